#!/usr/bin/env bash
# The remote list under Wine: showing a cached folder of N files and sorting it by name (medians of
# several runs for each N), beside the same sort of the same keys in a plain native loop (built here
# with the host's g++ -O2). Needs the Windows build.
#   bench/list-populate-sort.sh [N ...]      (default 1000 10000 100000)
set -euo pipefail
source "$(dirname "$0")/../tools/lib.sh"
bench_exe="$fv_root/build/win/bench/bench_list_populate_sort.exe"
[ -f "$bench_exe" ] || { echo "list sort: could not measure: build the Windows tree first ($bench_exe is missing)"; exit 1; }
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000 100000)

work=$(mktemp -d)
cleanup() {
    fv_end_bench_session
    rm -rf "$work"
}
trap cleanup EXIT
g++ -std=c++17 -O2 -finput-charset=UTF-8 -fexec-charset=CP949 -I"$fv_root" -o "$work/list_sort_native" \
    "$fv_root/bench/browse/NativeSort.cpp" "$fv_root/FoldVenBrowser/catalogue/ListRows.cpp" \
    "$fv_root/FoldVenBrowser/catalogue/Formatters.cpp"
fv_begin_bench_session

echo "$(uptime | sed 's/.*load/load/')"
echo "under Wine, in the list:"
fv_bench_wine "list sort" "$bench_exe" "${sizes[@]}" | tee "$work/wine"
echo "native loop:"
"$work/list_sort_native" "${sizes[@]}" | tee "$work/native"

# The table's figure: the slower of the two sorts of the largest folder, against the native loop's.
largest=${sizes[-1]}
slower() { awk -v n="$largest" -v c="$2" '$1 == n { print ($c > $(c + 1)) ? $c : $(c + 1) }' "$1"; }
wine_ms=$(slower "$work/wine" 3)
native_ms=$(slower "$work/native" 2)
fv_bench_result "sort $largest files by name (list, Wine)" "$wine_ms ms" "< 100 ms" "native loop $native_ms ms" \
    "$(awk -v a="$wine_ms" -v b="$native_ms" 'BEGIN { printf "%.1f", a / b }')"
