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
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
    fv_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

fv_stop_xvfb() {
    [ -n "${fv_xvfb_pid:-}" ] && kill "$fv_xvfb_pid" 2>/dev/null || true
}

fv_wine_env() {  # prefix
    export FV_WINEPREFIX=$1 WINEPREFIX=$1 LC_ALL=ko_KR.UTF-8 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# A Wine session for a benchmark under an Xvfb display of its own, in the shared benchmark prefix;
# fv_end_bench_session ends Wine and the display.
fv_begin_bench_session() {
    local prefix="$fv_root/build/wineprefix-bench"
    "$fv_root/tools/wine/prefix.sh" "$prefix" >/dev/null
    fv_wine_env "$prefix"
    FV_FORCE_XVFB=1 fv_start_xvfb
}

fv_end_bench_session() {
    wineserver -k 2>/dev/null || true
    fv_stop_xvfb
}
