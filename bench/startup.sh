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
    [ -f "$f" ] || { echo "build the Windows tree first: $f is missing" >&2; exit 1; }
done

work=$(mktemp -d)
prefix="$fv_root/build/wineprefix-bench"
"$fv_root/tools/wine/prefix.sh" "$prefix" "$dist" >/dev/null
fv_wine_env "$prefix"
FV_FORCE_XVFB=1 fv_start_xvfb
state="$work/svc"
cleanup() {
    wineserver -k 2>/dev/null || true
    "$fv_root/tools/devservice-ctl.sh" stop "$state" || true
    fv_stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

# The service lists the installed files themselves, so the updater finds nothing to fetch.
host=$("$fv_root/tools/devservice-ctl.sh" start "$state" "${FV_BUILD_NATIVE:-$fv_root/build/native}" \
    --update-dir "$dist" --trace "$work/trace")
export FOLDVEN_API_HOST=$host FOLDVEN_WEB_HOST=$host FOLDVEN_SEARCH_HOST=$host
folder='C:\Program Files\FoldVen'
trace=$(winepath -w "$work/trace")

# A round to warm Wine and the page cache, then the measured ones.
wine "$bench_dir/bench_startup.exe" 1 "$folder" "$trace" >/dev/null
echo "$(uptime | sed 's/.*load/load/')"
wine "$bench_dir/bench_startup.exe" "$rounds" "$folder" "$trace" | tr -d '\r'
