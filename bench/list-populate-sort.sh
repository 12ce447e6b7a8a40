#!/usr/bin/env bash
# The remote list under Wine: showing a cached folder of N files and sorting it by name (medians of
# several runs for each N). Needs the Windows build.
#   bench/list-populate-sort.sh [N ...]      (default 1000 10000)
set -euo pipefail
source "$(dirname "$0")/../tools/lib.sh"
bench_exe="$fv_root/build/win/bench/bench_list_populate_sort.exe"
[ -f "$bench_exe" ] || { echo "build the Windows tree first: $bench_exe is missing" >&2; exit 1; }

fv_begin_bench_session
trap fv_end_bench_session EXIT
wine "$bench_exe" "$@" | tr -d '\r'
