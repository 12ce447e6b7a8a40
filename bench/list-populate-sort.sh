#!/usr/bin/env bash
# The remote list under Wine: showing a cached folder of N files and sorting it by name (medians of
# several runs for each N). Needs the Windows build.
#   bench/list-populate-sort.sh [N ...]      (default 1000 10000)
set -euo pipefail
source "$(dirname "$0")/../tools/lib.sh"
bench_exe="$fv_root/build/win/bench/bench_list_populate_sort.exe"
[ -f "$bench_exe" ] || { echo "build the Windows tree first: $bench_exe is missing" >&2; exit 1; }

prefix="$fv_root/build/wineprefix-bench"
"$fv_root/tools/wine/prefix.sh" "$prefix" >/dev/null
fv_wine_env "$prefix"
FV_FORCE_XVFB=1 fv_start_xvfb
cleanup() {
    wineserver -k 2>/dev/null || true
    fv_stop_xvfb
}
trap cleanup EXIT
wine "$bench_exe" "$@" | tr -d '\r'
