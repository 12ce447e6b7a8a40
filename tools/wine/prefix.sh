#!/usr/bin/env bash
# Creates (once) a Wine prefix with the Korean fonts, and installs the install-folder image into its
# "C:\Program Files\FoldVen\".   usage: prefix.sh PREFIX [DIST_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
dist=${2:-}
export WINEPREFIX=$prefix LC_ALL=ko_KR.UTF-8 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [ ! -f "$prefix/.fv-ready" ]; then
    echo "prefix: creating $prefix"
    mkdir -p "$prefix"
    wineboot -i >/dev/null 2>&1 || true
    iconv -f UTF-8 -t CP949 "$here/fonts.reg" > "$prefix/fonts.reg"
    wine regedit "$(winepath -w "$prefix/fonts.reg")" >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.fv-ready"
fi

if [ -n "$dist" ]; then
    target="$prefix/drive_c/Program Files/FoldVen"
    mkdir -p "$target"
    cp -a "$dist/." "$target/"
fi
