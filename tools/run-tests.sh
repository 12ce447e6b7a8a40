#!/usr/bin/env bash
# Builds everything and runs every test: native core tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, short fuzz runs, and the Windows tests under Wine on an Xvfb display of
# their own. Installs what is missing first.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
"$fv_root/tools/setup-machine.sh" || exit 1

passed=0
failed=0
count_ctest() {  # ctest log
    local line
    grep -q 'No tests were found' "$1" && return
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -1)
    if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
    local total bad
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

logs="$fv_root/build/logs"
mkdir -p "$logs"

echo "== native core tests (ASan + UBSan)"
fv_configure_native "$fv_root/build/native" -DFV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
if cmake --build "$fv_root/build/native" -j "$fv_jobs"; then
    ASAN_OPTIONS=detect_leaks=1 ctest --test-dir "$fv_root/build/native" -j "$fv_jobs" --output-on-failure \
        2>&1 | tee "$logs/native.log"
    count_ctest "$logs/native.log"
else
    echo "native build failed"; failed=$((failed + 1))
fi

echo "== fuzz targets (build; the runs go alongside the Windows tests)"
# Each run keeps one core busy for FV_FUZZ_SECONDS; the Windows tests mostly wait for the programs under
# Wine, so the runs go on meanwhile, one at a time, and their results follow the Windows tests'.
run_fuzz_targets() {  # results file: one line "ok NAME RUNS" or "failed NAME"
    local target name corpus seeds
    for target in "$fv_root"/build/fuzz/fuzz/fuzz_*; do
        [ -x "$target" ] || continue
        name=$(basename "$target")
        corpus="$fv_root/build/fuzz/corpus/$name"
        mkdir -p "$corpus"
        seeds="$fv_root/fuzz/corpus/$name"
        [ -d "$seeds" ] || seeds=""
        if "$target" -max_total_time="${FV_FUZZ_SECONDS:-15}" -print_final_stats=1 "$corpus" $seeds \
            >"$logs/$name.log" 2>&1; then
            echo "ok $name $(grep -E 'stat::number_of_executed_units' "$logs/$name.log" | awk '{print $2}')" >>"$1"
        else
            echo "failed $name" >>"$1"
        fi
    done
}
report_fuzz_targets() {  # results file
    local status name runs
    while read -r status name runs; do
        if [ "$status" = ok ]; then
            echo "$name: $runs runs, no crash"
            passed=$((passed + 1))
        else
            echo "$name: FAILED (see $logs/$name.log)"; tail -30 "$logs/$name.log"
            failed=$((failed + 1))
        fi
    done <"$1"
}
fuzz_results="$logs/fuzz-results"
: >"$fuzz_results"
fuzz_pid=""
fv_configure_native "$fv_root/build/fuzz" -DFV_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
# Only the targets the sources still define are run: a removed target's program would linger here.
rm -f "$fv_root"/build/fuzz/fuzz/fuzz_*
if ! cmake --build "$fv_root/build/fuzz" -j "$fv_jobs"; then
    echo "fuzz build failed"; failed=$((failed + 1))
    fuzz_results=""
fi

echo "== Windows tests under Wine"
# The tests mostly wait for programs under Wine, so they run in two Wine sessions side by side, each with
# its own prefix, Xvfb display and devservice (the tests reset and set up devservice as they go, find
# windows by class and own named objects, so one session holds one test at a time). The second session
# takes the end-to-end tests named below (about half of the time in all); every other test runs in the
# first.
second_session='^e2e_(login_dialog|updater|main_window|browser_startup|waits)_test$'
run_wine_session() {  # name, ctest selection...
    local name=$1
    shift
    fv_wine_env "$fv_root/build/wineprefix-test-$name"
    "$fv_root/tools/wine/prefix.sh" "$WINEPREFIX" >/dev/null
    local state="$fv_root/build/devservice-test-$name"
    if [ -x "$fv_root/build/native/tools/devservice/devservice" ]; then
        FV_DEVSERVICE=$("$fv_root/tools/devservice-ctl.sh" start "$state" "$fv_root/build/native") ||
            echo "devservice did not start"
        export FV_DEVSERVICE
    fi
    ctest --test-dir "$fv_root/build/win" -j 1 --output-on-failure "$@" >"$logs/win-$name.log" 2>&1
    "$fv_root/tools/devservice-ctl.sh" stop "$state"
    wineserver -k 2>/dev/null || true
}
if fv_build_windows; then
    export FV_DIST="$fv_root/build/win/dist/FoldVen"
    export FV_SOURCE="$fv_root"
    [ -n "$fuzz_results" ] && { run_fuzz_targets "$fuzz_results" & fuzz_pid=$!; }
    FV_FORCE_XVFB=1 fv_start_xvfb
    first_xvfb=$fv_xvfb_pid first_display=$DISPLAY
    (run_wine_session a -E "$second_session") &
    first=$!
    FV_FORCE_XVFB=1 fv_start_xvfb
    second_xvfb=$fv_xvfb_pid
    (run_wine_session b -R "$second_session") &
    wait $!
    wait "$first"
    for name in a b; do
        cat "$logs/win-$name.log"
        count_ctest "$logs/win-$name.log"
    done
    kill "$second_xvfb" 2>/dev/null || true
    fv_xvfb_pid=$first_xvfb DISPLAY=$first_display
    echo "== setup.exe in a fresh prefix"
    if "$fv_root/tools/installer/check-setup.sh" "$fv_root/build/win/setup.exe" "$fv_root/build/wineprefix-setup" \
        2>&1 | tee "$logs/setup.log"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
    fv_stop_xvfb
else
    echo "Windows build failed"; failed=$((failed + 1))
fi

if [ -n "$fuzz_results" ]; then
    echo "== fuzz targets (short runs)"
    if [ -n "$fuzz_pid" ]; then wait "$fuzz_pid"; else run_fuzz_targets "$fuzz_results"; fi
    report_fuzz_targets "$fuzz_results"
fi

echo "all: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
