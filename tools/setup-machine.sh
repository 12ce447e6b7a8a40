#!/usr/bin/env bash
# Installs what building, running and testing need on a Debian 12 machine, when it is missing, and
# makes the Korean locale that Wine needs to convert Hangul file names and arguments.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev mingw-w64
          wine wine64 xvfb xauth x11-utils xdotool fonts-nanum imagemagick locales
          dante-server tinyproxy curl procps python3 nsis osslsigncode openssl util-linux)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    # The package scripts start these daemons on their default ports; tests start their own copies.
    for svc in danted tinyproxy; do
        (systemctl stop "$svc" || service "$svc" stop || pkill -x "$svc") >/dev/null 2>&1 || true
    done
fi

if ! locale -a 2>/dev/null | grep -qi '^ko_KR\.utf-\?8$'; then
    echo "setup: creating the ko_KR.UTF-8 locale"
    localedef -i ko_KR -c -f UTF-8 ko_KR.UTF-8 || true
fi
