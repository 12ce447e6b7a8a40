#!/usr/bin/env bash
# A search whose reply holds 10,000 result lines, in the browser under Wine against devservice on
# loopback: the time from the search button's press to the last row shown, and how long the main window
# took at most to answer meanwhile. Needs the native build (devservice) and the Windows build
# (FV_DIST names another install-folder image).
#   bench/search-results.sh [ROWS] [RUNS]      (default 10000 5)
set -euo pipefail
source "$(dirname "$0")/../tools/lib.sh"
rows=${1:-10000}
bench_exe="$fv_root/build/win/bench/bench_search_rows.exe"
[ -f "$bench_exe" ] || { echo "search: could not measure: build the Windows tree first ($bench_exe is missing)"; exit 1; }

work=$(mktemp -d)
cleanup() {
    fv_end_bench_session
    "$fv_root/tools/devservice-ctl.sh" stop "$work/svc" || true
    rm -rf "$work"
}
trap cleanup EXIT
fv_begin_bench_session

FV_DEVSERVICE=$("$fv_root/tools/devservice-ctl.sh" start "$work/svc" "${FV_BUILD_NATIVE:-$fv_root/build/native}")
export FV_DEVSERVICE FV_DIST=${FV_DIST:-$fv_root/build/win/dist/FoldVen}
echo "$(uptime | sed 's/.*load/load/')"
fv_bench_wine "search" "$bench_exe" "$rows" "${2:-5}" | tee "$work/out"

median=$(sed -n 's/^run [0-9]*: [0-9]* rows in \([0-9]*\) ms.*/\1/p' "$work/out" | sort -n |
    awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}')
fv_bench_result "$rows search results to the last row shown (median)" "$median ms" "< 200 ms" "-" "-"
