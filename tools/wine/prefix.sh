#!/usr/bin/env bash
# Creates (once) a Wine prefix with the Korean fonts, and installs the install-folder image into its
# "C:\Program Files\FoldVen\".   usage: prefix.sh PREFIX [DIST_DIR]
# The first prefix is made by Wine (wineboot, half a minute or more) into build/wineprefix-template
# (FV_PREFIX_TEMPLATE names another); every prefix after it is a copy of that one, made in a second or two.
# Each has a desktop folder of its own: Wine links the desktop to the Unix home otherwise, which every
# prefix (and the user) shares, so one prefix's shortcuts would turn up in another's.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
dist=${2:-}
template=${FV_PREFIX_TEMPLATE:-$here/../../build/wineprefix-template}
export LC_ALL=ko_KR.UTF-8 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

make_template() {
    local fresh="$template.$$"
    echo "prefix: creating $template"
    rm -rf "$fresh"
    mkdir -p "$fresh"
    WINEPREFIX=$fresh wineboot -i >/dev/null 2>&1 || true
    iconv -f UTF-8 -t CP949 "$here/fonts.reg" > "$fresh/fonts.reg"
    WINEPREFIX=$fresh wine regedit "$(WINEPREFIX=$fresh winepath -w "$fresh/fonts.reg")" >/dev/null 2>&1
    WINEPREFIX=$fresh wineserver -w
    local desktop
    for desktop in "$fresh"/drive_c/users/*/Desktop; do
        if [ -L "$desktop" ]; then rm "$desktop"; mkdir "$desktop"; fi
    done
    touch "$fresh/.fv-ready"
    # Another run may have made it meanwhile: keep the first.
    mv -T "$fresh" "$template" 2>/dev/null || rm -rf "$fresh"
}

if [ ! -f "$prefix/.fv-ready" ]; then
    [ -f "$template/.fv-ready" ] || make_template
    echo "prefix: creating $prefix"
    rm -rf "$prefix"
    cp -a "$template" "$prefix"
fi
export WINEPREFIX=$prefix

if [ -n "$dist" ]; then
    target="$prefix/drive_c/Program Files/FoldVen"
    mkdir -p "$target"
    cp -a "$dist/." "$target/"
fi
