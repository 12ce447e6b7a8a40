#!/usr/bin/env bash
# A search whose reply holds 10,000 result lines, in the browser under Wine against devservice on
# loopback: the time from the search button's press to the last row shown, and how long the main window
# took at most to answer meanwhile. Needs the native build (devservice) and the Windows build.
#   bench/search-results.sh [ROWS] [RUNS]
set -euo pipefail
source "$(dirname "$0")/../tools/lib.sh"
bench_exe="$fv_root/build/win/bench/bench_search_rows.exe"
[ -f "$bench_exe" ] || { echo "build the Windows tree first: $bench_exe is missing" >&2; exit 1; }

fv_begin_bench_session
state=$(mktemp -d)
cleanup() {
    "$fv_root/tools/devservice-ctl.sh" stop "$state" || true
    fv_end_bench_session
    rm -rf "$state"
}
trap cleanup EXIT

FV_DEVSERVICE=$("$fv_root/tools/devservice-ctl.sh" start "$state" "${FV_BUILD_NATIVE:-$fv_root/build/native}")
export FV_DEVSERVICE FV_DIST="$fv_root/build/win/dist/FoldVen"
wine "$bench_exe" "${1:-10000}" "${2:-3}" | tr -d '\r'
