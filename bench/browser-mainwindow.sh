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
[ -f "$bench_exe" ] && [ -f "$dist/FoldVenBrowser.exe" ] || {
    echo "main window: could not measure: build the Windows tree first ($bench_exe or $dist/FoldVenBrowser.exe is missing)"
    exit 1
}

work=$(mktemp -d)
cleanup() {
    fv_end_bench_session
    "$fv_root/tools/devservice-ctl.sh" stop "$work/svc" || true
    rm -rf "$work"
}
trap cleanup EXIT
fv_begin_bench_session

mkdir -p "$work/program"
cp -a "$dist/." "$work/program/"
FV_DEVSERVICE=$("$fv_root/tools/devservice-ctl.sh" start "$work/svc" "${FV_BUILD_NATIVE:-$fv_root/build/native}")
export FV_DEVSERVICE
echo "$(uptime | sed 's/.*load/load/')"
fv_bench_wine "main window" "$bench_exe" "$(winepath -w "$work/program")" "$runs" | tee "$work/out"

total=$(sed -n 's/^median of [0-9]*:.* total \([0-9.]*\) s$/\1/p' "$work/out")
fv_bench_result "FoldVenBrowser saved login -> painted main window (median)" "$total s" "< 1.0 s" "-" "-"
