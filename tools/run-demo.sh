#!/usr/bin/env bash
# The main job: builds the programs and the stand-in service, installs the programs into a Wine prefix's
# "C:\Program Files\FoldVen\" and runs them as a user gets them, against the stand-in service.
# With a usable DISPLAY the windows show on it and the run lasts until the program ends; headless, an
# Xvfb display of its own is used and screenshots are saved into screenshots/.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
"$fv_root/tools/setup-machine.sh"

fv_configure_native "$fv_root/build/native" -DFV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build "$fv_root/build/native" -j "$fv_jobs"
fv_build_windows

prefix="$fv_root/build/wineprefix-demo"
"$fv_root/tools/wine/prefix.sh" "$prefix" "$fv_root/build/win/dist/FoldVen"
fv_wine_env "$prefix"

headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then headless=0; fi
[ "$headless" = 1 ] && FV_FORCE_XVFB=1 fv_start_xvfb

state="$fv_root/build/devservice-demo"
host=$("$fv_root/tools/devservice-ctl.sh" start "$state" "$fv_root/build/native" \
    --update-dir "$fv_root/build/demo-update")
export FOLDVEN_API_HOST=$host FOLDVEN_WEB_HOST=$host FOLDVEN_SEARCH_HOST=$host
echo "devservice: http://$host/"

shots="$fv_root/screenshots"
mkdir -p "$shots"
cleanup() {
    wineserver -k 2>/dev/null || true
    "$fv_root/tools/devservice-ctl.sh" stop "$state"
    fv_stop_xvfb
}
trap cleanup EXIT

program='C:\Program Files\FoldVen\FoldVenBrowser.exe'
if [ "$headless" = 0 ]; then
    wine "$program" qmtzvbka
    exit 0
fi

wine "$program" qmtzvbka &
shot() { sleep "$1"; import -window root "$shots/$2.png"; echo "screenshot: screenshots/$2.png"; }
shot 6 01-browser-start
echo "screenshots are in $shots"
