#!/usr/bin/env bash
# Start-up times under Wine against devservice, as a user meets them: VenUpdater.exe start -> login
# dialog shown (nothing to update), and FoldVenBrowser.exe with a saved login -> main window shown, with
# the share of each step, beside the start of a trivial one-window program (Wine's floor).
# Needs the native build (devservice) and the Windows build (dist and bench_startup.exe); FV_BUILD_NATIVE
# and FV_BUILD_WIN name other build folders.
#   bench/startup.sh [ROUNDS]
set -euo pipefail
source "$(dirname "$0")/../tools/lib.sh"
rounds=${1:-7}
build_win=${FV_BUILD_WIN:-$fv_root/build/win}
bench_dir="$build_win/bench"
dist="$build_win/dist/FoldVen"
for f in "$bench_dir/bench_startup.exe" "$bench_dir/bench_first_window.exe" "$dist/VenUpdater.exe"; do
    [ -f "$f" ] || { echo "start-up: could not measure: build the Windows tree first ($f is missing)"; exit 1; }
done

work=$(mktemp -d)
state="$work/svc"
cleanup() {
    fv_end_bench_session
    "$fv_root/tools/devservice-ctl.sh" stop "$state" || true
    rm -rf "$work"
}
trap cleanup EXIT
fv_begin_bench_session "$dist"

# The service lists the installed files themselves, so the updater finds nothing to fetch.
host=$("$fv_root/tools/devservice-ctl.sh" start "$state" "${FV_BUILD_NATIVE:-$fv_root/build/native}" \
    --update-dir "$dist" --trace "$work/trace")
export FOLDVEN_API_HOST=$host FOLDVEN_WEB_HOST=$host FOLDVEN_SEARCH_HOST=$host
folder='C:\Program Files\FoldVen'
trace=$(winepath -w "$work/trace")

# A round to warm Wine and the page cache, then the measured ones.
fv_bench_wine "start-up (warm-up round)" "$bench_dir/bench_startup.exe" 1 "$folder" "$trace" >/dev/null
echo "$(uptime | sed 's/.*load/load/')"
fv_bench_wine "start-up" "$bench_dir/bench_startup.exe" "$rounds" "$folder" "$trace" | tee "$work/out"

# The table's figure (bench/browser-mainwindow.sh has the browser's, to its painted main window).
median_of() { sed -n "s/^$1: median \([0-9]*\) ms.*/\1/p" "$work/out"; }
floor=$(median_of 'trivial program: start -> window shown')
updater=$(median_of 'VenUpdater.exe: start -> login dialog shown')
ratio() { awk -v a="$1" -v b="$floor" 'BEGIN { printf "%.1f", a / b }'; }
fv_bench_result "VenUpdater start -> login dialog" "$updater ms" "<= 700 ms (500 ms timer + 200)" \
    "trivial window $floor ms" "$(ratio "$updater")"
