#!/usr/bin/env bash
# Runs every benchmark script of this folder once, one after the other, with its default sizes, and
# prints one table of their figures: value, target, and the ratio to the anchor measured in the same
# run. A script that could not measure gets a row saying so, and the run exits non-zero. Each script's
# own output goes to build/bench-logs/NAME.log. Needs both build trees (tools/run-tests.sh builds them).
# See bench/README.md for the shape a benchmark script follows to take part.
#   bench/run-all.sh
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tools/lib.sh"
logs="$fv_root/build/bench-logs"
mkdir -p "$logs"
results=$(mktemp)
trap 'rm -f "$results"' EXIT

started=$(date +%s)
echo "$(date -u '+%F %T UTC'); $(nproc) cores; $(uptime | sed 's/.*load/load/')"
failed=0
for script in "$here"/*.sh; do
    name=$(basename "$script" .sh)
    [ "$name" = run-all ] && continue
    printf '%-24s ' "$name"
    before=$(wc -l <"$results")
    from=$(date +%s)
    if FV_BENCH_RESULTS=$results "$script" >"$logs/$name.log" 2>&1; then
        echo "done in $(($(date +%s) - from)) s"
    else
        failed=$((failed + 1))
        reason=$(grep -m1 'could not measure' "$logs/$name.log" || tail -1 "$logs/$name.log")
        echo "FAILED in $(($(date +%s) - from)) s: $reason"
        printf '%s\tcould not measure (see %s)\t-\t-\t-\n' "$name" "$logs/$name.log" >>"$results"
    fi
    [ "$(wc -l <"$results")" -gt "$before" ] ||
        printf '%s\tno figure reported (see %s)\t-\t-\t-\n' "$name" "$logs/$name.log" >>"$results"
done

echo
awk -F '\t' '
    BEGIN { print "| figure | value | target | anchor (same run) | ratio to anchor |"; print "|---|---|---|---|---|" }
    { printf "| %s | %s | %s | %s | %s |\n", $1, $2, $3, $4, $5 }' "$results"
echo
echo "all benchmarks: $(($(date +%s) - started)) s; $(uptime | sed 's/.*load/load/')"
[ "$failed" -eq 0 ]
