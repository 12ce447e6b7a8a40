#!/usr/bin/env bash
# Start-up of the browser with saved credentials until its main window is first painted, under Wine on
# an Xvfb display of its own, against devservice on loopback; in parts: process start, login request,
# main-window set-up (see bench/browser/MainWindowStartup.cpp). Prints each run and the median.
# Needs the native build (devservice) and the Windows build (FoldVenBrowser.exe, bench_main_window.exe).
#   bench/browser-mainwindow.sh [RUNS]
set -euo pipefail
source "$(dirname "$0")/../tools/lib.sh"
runs=${1:-5}
bench_exe="$fv_root/build/win/bench/bench_main_window.exe"
dist="$fv_root/build/win/dist/FoldVen"
[ -f "$bench_exe" ] && [ -f "$dist/FoldVenBrowser.exe" ] ||
    { echo "build the Windows tree first: $bench_exe or $dist/FoldVenBrowser.exe is missing" >&2; exit 1; }

work=$(mktemp -d)
prefix="$fv_root/build/wineprefix-bench"
"$fv_root/tools/wine/prefix.sh" "$prefix" >/dev/null
fv_wine_env "$prefix"
# Without a window manager, Wine waits up to 2 s for one when the tray icon of the run before goes away;
# letting Wine place its windows itself keeps that out of the next run's figures.
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n' > "$work/unmanaged.reg"
wine regedit "$(winepath -w "$work/unmanaged.reg")" >/dev/null 2>&1
FV_FORCE_XVFB=1 fv_start_xvfb
state="$work/svc"
cleanup() {
    "$fv_root/tools/devservice-ctl.sh" stop "$state" || true
    wineserver -k 2>/dev/null || true
    fv_stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/program"
cp -a "$dist/." "$work/program/"
FV_DEVSERVICE=$("$fv_root/tools/devservice-ctl.sh" start "$state" "${FV_BUILD_NATIVE:-$fv_root/build/native}")
export FV_DEVSERVICE
wine "$bench_exe" "$(winepath -w "$work/program")" "$runs" | tr -d '\r'
