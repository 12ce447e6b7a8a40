#!/bin/sh
# Runs a Windows program under Wine in the project's prefix, with the Korean ANSI code page.
# ctest uses it as the emulator of the mingw build. FV_WINEPREFIX names the prefix.
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="${FV_WINEPREFIX:-$here/../../build/wineprefix}"
export LC_ALL=ko_KR.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
