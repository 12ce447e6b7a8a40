#!/usr/bin/env bash
# Starts or stops the stand-in service in the background for the run and test commands.
#   devservice-ctl.sh start STATE_DIR BUILD_DIR [extra devservice options...]  -> prints host:port
#   devservice-ctl.sh stop STATE_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmd=$1 state=$2
case "$cmd" in
start)
    build=$3; shift 3
    exe="$build/tools/devservice/devservice"
    [ -x "$exe" ] || { echo "devservice not built: $exe" >&2; exit 1; }
    mkdir -p "$state"
    rm -f "$state/port"
    "$exe" --port 0 --port-file "$state/port" --data "$root/tools/devservice/data" "$@" \
        >"$state/devservice.log" 2>&1 &
    pid=$!
    echo "$pid" > "$state/pid"
    for _ in $(seq 100); do
        [ -s "$state/port" ] && { echo "127.0.0.1:$(cat "$state/port")"; exit 0; }
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    rm -f "$state/pid"
    echo "devservice did not start; see $state/devservice.log" >&2
    exit 1
    ;;
stop)
    # Waits until the process has gone, so the next start never races the old one.
    if [ -f "$state/pid" ]; then
        pid=$(cat "$state/pid")
        if kill "$pid" 2>/dev/null; then
            for _ in $(seq 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null || true
        fi
    fi
    rm -f "$state/pid" "$state/port"
    ;;
*)
    echo "usage: $0 start STATE_DIR BUILD_DIR [options...] | stop STATE_DIR" >&2
    exit 2
    ;;
esac
