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
    echo $! > "$state/pid"
    for _ in $(seq 100); do
        [ -s "$state/port" ] && { echo "127.0.0.1:$(cat "$state/port")"; exit 0; }
        sleep 0.1
    done
    echo "devservice did not start; see $state/devservice.log" >&2
    exit 1
    ;;
stop)
    [ -f "$state/pid" ] && kill "$(cat "$state/pid")" 2>/dev/null || true
    rm -f "$state/pid"
    ;;
esac
