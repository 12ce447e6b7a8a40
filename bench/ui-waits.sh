#!/usr/bin/env bash
# How long the browser's main window goes unanswered while the program waits, under Wine against
# devservice on loopback: a listing whose first two attempts fail, a search of 10,000 results and the
# installer check, each probed every 20 ms; the longest and median answer times of each. Target: the
# longest under 100 ms. Needs the native build (devservice) and the Windows build.
#   bench/ui-waits.sh [ROWS]     (FV_BENCH_TRACE=1 also prints every answer slower than 50 ms)
set -euo pipefail
source "$(dirname "$0")/../tools/lib.sh"
bench_exe="$fv_root/build/win/bench/bench_ui_waits.exe"
[ -f "$bench_exe" ] || { echo "ui waits: could not measure: build the Windows tree first ($bench_exe is missing)"; exit 1; }

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
fv_bench_wine "ui waits" "$bench_exe" "${1:-10000}" | tee "$state/out"

longest=$(sed -n 's/.*longest unanswered *\([0-9.]*\) ms.*/\1/p' "$state/out" | sort -g | tail -1)
fv_bench_result "main window's longest unanswered wait (listing retries, search, installer check)" \
    "$longest ms" "< 100 ms" "-" "-"
