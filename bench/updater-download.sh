#!/usr/bin/env bash
# Download throughput of the updater's DownloadFiles under Wine against curl, for one file served on
# loopback by nginx and by devservice in the same run. Each round fetches the file from both servers,
# curl and the updater in turn; the script prints every round and, per server, the medians and the
# median ratio updater / curl, and devservice's curl rate against nginx's. curl's time includes flushing
# its file to disk (sync FILE, an fsync), as the updater flushes every file before it takes its place.
# Needs the native build (devservice) and the Windows build (bench_update_download.exe); installs
# Debian's nginx-core when it is missing, and runs it with a configuration of its own.
# FV_BUILD_NATIVE and FV_BUILD_WIN name other build folders.
#   bench/updater-download.sh [SIZE_MB] [ROUNDS]
set -euo pipefail
source "$(dirname "$0")/../tools/lib.sh"
size_mb=${1:-200}
rounds=${2:-9}
bench_exe="${FV_BUILD_WIN:-$fv_root/build/win}/bench/bench_update_download.exe"
[ -f "$bench_exe" ] || { echo "updater download: could not measure: build the Windows tree first ($bench_exe is missing)"; exit 1; }

if ! command -v nginx >/dev/null && [ ! -x /usr/sbin/nginx ]; then
    echo "installing nginx-core" >&2
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends nginx-core >/dev/null
    # The package may start the system's own server; this script starts a copy of its own.
    (service nginx stop || systemctl stop nginx) >/dev/null 2>&1 || true
fi
nginx_bin=$(command -v nginx || echo /usr/sbin/nginx)

work=$(mktemp -d)
chmod 755 "$work"  # nginx's worker runs as another user
state="$work/svc"
nginx_pid=""
cleanup() {
    "$fv_root/tools/devservice-ctl.sh" stop "$state" || true
    [ -n "$nginx_pid" ] && kill "$nginx_pid" 2>/dev/null && wait "$nginx_pid" 2>/dev/null || true
    fv_end_bench_session
    rm -rf "$work"
}
trap cleanup EXIT
fv_begin_bench_session  # the updater's window and progress bar

mkdir -p "$work/updates" "$work/curl" "$work/updater" "$work/nginx"
head -c "$((size_mb * 1024 * 1024))" /dev/urandom > "$work/updates/big.bin"
chmod 644 "$work/updates/big.bin"
size=$(stat -c %s "$work/updates/big.bin")

# nginx on the first free port from a random start, in the foreground of a background job so that the
# job's process id is the master's.
start_nginx() {
    local port conf="$work/nginx/nginx.conf"
    for port in $(seq $((20000 + RANDOM % 20000)) 40999); do
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && continue
        cat > "$conf" <<EOF
worker_processes 1;
$([ "$(id -u)" = 0 ] && echo "user www-data;")
pid $work/nginx/nginx.pid;
error_log $work/nginx/error.log;
events { worker_connections 64; }
http {
    access_log off;
    sendfile on;
    default_type application/octet-stream;
    client_body_temp_path $work/nginx/body;
    proxy_temp_path $work/nginx/proxy;
    fastcgi_temp_path $work/nginx/fastcgi;
    uwsgi_temp_path $work/nginx/uwsgi;
    scgi_temp_path $work/nginx/scgi;
    server {
        listen 127.0.0.1:$port;
        location /Update/files/ { alias $work/updates/; }
    }
}
EOF
        "$nginx_bin" -p "$work/nginx" -c "$conf" -g 'daemon off;' >>"$work/nginx/start.log" 2>&1 &
        nginx_pid=$!
        for _ in $(seq 50); do
            curl -sf -o /dev/null -r 0-0 "http://127.0.0.1:$port/Update/files/big.bin" && {
                echo "127.0.0.1:$port"
                return 0
            }
            kill -0 "$nginx_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$nginx_pid" 2>/dev/null || true
        wait "$nginx_pid" 2>/dev/null || true
        nginx_pid=""
    done
    echo "nginx did not start; see $work/nginx/start.log" >&2
    cat "$work/nginx/start.log" >&2
    return 1
}
start_nginx > "$work/nginx/host"
nginx_host=$(cat "$work/nginx/host")
dev_host=$("$fv_root/tools/devservice-ctl.sh" start "$state" "${FV_BUILD_NATIVE:-$fv_root/build/native}" \
    --update-dir "$work/updates")
folder=$(winepath -w "$work/updater")

# Both write a new file each time, so neither pays for replacing the other's.
curl_once() {  # host -> seconds, the flush included
    rm -f "$work/curl/big.bin"
    local fetch from to
    fetch=$(curl -sf -o "$work/curl/big.bin" -w '%{time_total}' "http://$1/Update/files/big.bin")
    from=$(date +%s.%N)
    sync "$work/curl/big.bin"
    to=$(date +%s.%N)
    awk -v f="$fetch" -v a="$from" -v b="$to" 'BEGIN { print f + b - a }'
}
updater_once() {  # host -> seconds
    rm -f "$work/updater/big.bin"
    local line
    line=$(wine "$bench_exe" "http://$1/Update/files/" big.bin "$size" "$folder" | tr -d '\r') ||
        { echo "updater download: could not measure: $line" >&2; exit 1; }
    cmp -s "$work/updates/big.bin" "$work/updater/big.bin" ||
        { echo "updater download: could not measure: downloaded file differs: $line" >&2; exit 1; }
    awk '{print $4}' <<<"$line"
}

# One pass of each to warm the servers, Wine and the page cache, then the measured rounds.
for host in "$nginx_host" "$dev_host"; do
    curl_once "$host" >/dev/null
    updater_once "$host" >/dev/null
done
echo "file: $size bytes; nginx $nginx_host, devservice $dev_host; $(uptime | sed 's/.*load/load/')"
: > "$work/times"
for round in $(seq "$rounds"); do
    line="round $round:"
    for server in nginx devservice; do
        host=$nginx_host
        [ "$server" = devservice ] && host=$dev_host
        c=$(curl_once "$host")
        u=$(updater_once "$host")
        echo "$server $c $u" >> "$work/times"
        line+=$(printf ' %s curl %.3f s, updater %.3f s;' "$server" "$c" "$u")
    done
    echo "$line"
done

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
for server in nginx devservice; do
    c=$(awk -v s=$server '$1 == s {print $2}' "$work/times" | median)
    u=$(awk -v s=$server '$1 == s {print $3}' "$work/times" | median)
    r=$(awk -v s=$server '$1 == s {print $2 / $3}' "$work/times" | median)
    lo=$(awk -v s=$server '$1 == s {print $2 / $3}' "$work/times" | sort -g | head -1)
    hi=$(awk -v s=$server '$1 == s {print $2 / $3}' "$work/times" | sort -g | tail -1)
    awk -v s=$server -v b="$size" -v c="$c" -v u="$u" -v r="$r" -v lo="$lo" -v hi="$hi" 'BEGIN {
        printf "%-10s curl (flushed) %7.1f MB/s, DownloadFiles %7.1f MB/s (medians); ratio updater / curl: median %.2f (%.2f-%.2f)\n",
            s, b / c / 1048576, b / u / 1048576, r, lo, hi
    }'
done
paste <(awk '$1 == "nginx" {print $2}' "$work/times") <(awk '$1 == "devservice" {print $2}' "$work/times") |
    awk '{print $1 / $2}' | median | awk '{printf "curl from devservice / curl from nginx: median %.2f\n", $1}'

nginx_ratio=$(awk '$1 == "nginx" {print $2 / $3}' "$work/times" | median)
nginx_curl=$(awk '$1 == "nginx" {print $2}' "$work/times" | median)
nginx_updater=$(awk '$1 == "nginx" {print $3}' "$work/times" | median)
mbps() { awk -v b="$size" -v t="$1" 'BEGIN { printf "%.0f MB/s", b / t / 1048576 }'; }
fv_bench_result "updater download of $size_mb MB from nginx (median of $rounds)" "$(mbps "$nginx_updater")" \
    ">= 0.9 x curl" "curl, flushed $(mbps "$nginx_curl")" "$(printf '%.2f' "$nginx_ratio")"
