#!/usr/bin/env bash
# Runs an end-to-end test driver with two real proxies on loopback ports of their own: tinyproxy (HTTP)
# and danted (SOCKS4), named to the driver in FV_HTTP_PROXY and FV_SOCKS_PROXY ("host:port"). A proxy
# that is not installed or does not start is left out; the driver then skips its case.
#   with-proxies.sh DRIVER.exe EMULATOR
set -u
driver=$1
emulator=$2
dir=$(mktemp -d /tmp/fv-e2e-proxies-XXXXXX)
chmod 777 "$dir"  # the daemons drop to an unprivileged user when started as root
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
    rm -rf "$dir"
}
trap cleanup EXIT

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
accepts() {  # port
    for _ in $(seq 100); do
        (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}
privileged=""
[ "$(id -u)" = 0 ] && privileged=1

if [ -x /usr/bin/tinyproxy ]; then
    port=$(free_port)
    { echo "Port $port"; echo "Listen 127.0.0.1"; echo "Timeout 30"; echo "Allow 127.0.0.1"; echo "MaxClients 10"
      [ -n "$privileged" ] && { echo "User nobody"; echo "Group nogroup"; }
      echo "LogFile \"$dir/tinyproxy.log\""; } >"$dir/tinyproxy.conf"
    /usr/bin/tinyproxy -d -c "$dir/tinyproxy.conf" >"$dir/tinyproxy.out" 2>&1 &
    pids+=($!)
    accepts "$port" && export FV_HTTP_PROXY="127.0.0.1:$port"
fi
if [ -x /usr/sbin/danted ]; then
    port=$(free_port)
    { echo "logoutput: $dir/danted.log"; echo "internal: 127.0.0.1 port = $port"; echo "external: 127.0.0.1"
      echo "clientmethod: none"; echo "socksmethod: none"
      [ -n "$privileged" ] && { echo "user.privileged: root"; echo "user.unprivileged: nobody"; }
      echo "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }"
      echo "socks pass { from: 127.0.0.0/8 to: 127.0.0.0/8 command: connect }"; } >"$dir/danted.conf"
    /usr/sbin/danted -f "$dir/danted.conf" -p "$dir/danted.pid" >"$dir/danted.out" 2>&1 &
    pids+=($!)
    accepts "$port" && export FV_SOCKS_PROXY="127.0.0.1:$port"
fi
"$emulator" "$driver"
