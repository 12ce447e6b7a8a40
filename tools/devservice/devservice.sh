#!/usr/bin/env bash
# Starts the stand-in service in the background and stops it again, for test scripts and demos.
#
#   devservice.sh start STATEFILE [devservice options...]   prints the port once the service listens
#   devservice.sh stop STATEFILE
#
# STATEFILE records the process id; STATEFILE.port holds the port. Without --port the port is chosen
# by the system; without --data the sample data beside this script is used. FV_DEVSERVICE names the
# program when it is not in build/native/tools/devservice/.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

usage() {
    echo "usage: $0 start STATEFILE [options...] | stop STATEFILE" >&2
    exit 2
}

[ $# -ge 2 ] || usage
command=$1
state=$2
shift 2

case "$command" in
start)
    program=${FV_DEVSERVICE:-$root/build/native/tools/devservice/devservice}
    if [ ! -x "$program" ]; then
        echo "devservice.sh: $program not found; build it or set FV_DEVSERVICE" >&2
        exit 1
    fi
    args=("$@")
    [[ " ${args[*]-} " == *" --port "* ]] || args+=(--port 0)
    [[ " ${args[*]-} " == *" --data "* ]] || args+=(--data "$here/data")
    rm -f "$state.port"
    "$program" --port-file "$state.port" "${args[@]}" >"$state.log" 2>&1 &
    pid=$!
    echo "$pid" >"$state"
    for _ in $(seq 100); do
        if [ -s "$state.port" ]; then
            cat "$state.port"
            exit 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "devservice.sh: the service ended at start:" >&2
            cat "$state.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    echo "devservice.sh: no port after 10 s" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
    ;;
stop)
    [ -f "$state" ] || exit 0
    pid=$(cat "$state")
    if kill "$pid" 2>/dev/null; then
        for _ in $(seq 100); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null || true
    fi
    rm -f "$state" "$state.port"
    ;;
*)
    usage
    ;;
esac
