# Shared pieces of the run and test commands (sourced).

fv_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
fv_jobs=$(nproc 2>/dev/null || echo 2)

fv_configure_native() {  # build dir, extra cmake args...
    local dir=$1; shift
    cmake -S "$fv_root" -B "$dir" -G Ninja "$@" >/dev/null
}

fv_build_windows() {
    cmake -S "$fv_root" -B "$fv_root/build/win" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$fv_root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$fv_root/build/win" -j "$fv_jobs"
}

# Starts Xvfb on the first free display from 90 on, unless DISPLAY is set and usable.
fv_start_xvfb() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${FV_FORCE_XVFB:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    # Several runs may look for a free display at once: a display is ours only once its lock file holds
    # our server's process id (a server that finds the display taken ends at once; then the next one).
    local n=90 _
    while [ "$n" -lt 190 ]; do
        if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then n=$((n + 1)); continue; fi
        Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
        fv_xvfb_pid=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            kill -0 "$fv_xvfb_pid" 2>/dev/null || break
            if [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" = "$fv_xvfb_pid" ] && xdpyinfo >/dev/null 2>&1; then
                return 0
            fi
            sleep 0.1
        done
        kill "$fv_xvfb_pid" 2>/dev/null || true
        n=$((n + 1))
    done
    echo "Xvfb did not start" >&2
    return 1
}

fv_stop_xvfb() {
    [ -n "${fv_xvfb_pid:-}" ] && kill "$fv_xvfb_pid" 2>/dev/null || true
}

fv_wine_env() {  # prefix
    export FV_WINEPREFIX=$1 WINEPREFIX=$1 LC_ALL=ko_KR.UTF-8 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# A Wine session for a benchmark under an Xvfb display of its own, in the shared benchmark prefix,
# reset to the state every benchmark starts from, whatever ran before: nothing left running from an
# earlier run, no saved settings of the programs, and windows placed by Wine itself (without a window
# manager Wine otherwise waits up to 2 s for one when a tray icon goes away). With DIST_DIR the
# install-folder image goes into the prefix's "C:\Program Files\FoldVen\". fv_end_bench_session ends
# Wine and the display.
fv_begin_bench_session() {  # [DIST_DIR]
    local prefix="$fv_root/build/wineprefix-bench"
    "$fv_root/tools/wine/prefix.sh" "$prefix" "$@" >/dev/null
    fv_wine_env "$prefix"
    wineserver -k 2>/dev/null || true
    FV_FORCE_XVFB=1 fv_start_xvfb
    local reset="$prefix/drive_c/bench-reset.reg"
    printf '%s\r\n' 'REGEDIT4' '' '[-HKEY_CURRENT_USER\Software\FoldVen]' '' \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' > "$reset"
    wine regedit 'C:\bench-reset.reg' >/dev/null 2>&1
}

fv_end_bench_session() {
    wineserver -k 2>/dev/null || true
    fv_stop_xvfb
}

# Runs a benchmark program under Wine and prints its output once it has ended. Whatever it left running
# is ended first (it would otherwise hold the output open). When the program fails, prints
# "NAME: could not measure (exit N)" and returns N.
fv_bench_wine() {  # name, program, arguments...
    local name=$1 out rc=0
    shift
    out=$(mktemp)
    wine "$@" >"$out" 2>&1 || rc=$?
    wineserver -k 2>/dev/null || true
    tr -d '\r' <"$out"
    rm -f "$out"
    [ "$rc" -eq 0 ] || echo "$name: could not measure (exit $rc)" >&2
    return "$rc"
}

# One figure of a benchmark for bench/run-all.sh's table (bench/README.md): printed as a "result:" line,
# and added to the file $FV_BENCH_RESULTS names when it is set.
fv_bench_result() {  # figure, value, target, anchor, ratio to the anchor
    printf 'result: %s | %s | %s | %s | %s\n' "$@"
    if [ -n "${FV_BENCH_RESULTS:-}" ]; then
        printf '%s\t%s\t%s\t%s\t%s\n' "$@" >>"$FV_BENCH_RESULTS"
    fi
}
