#!/usr/bin/env bash
# Download throughput of the updater's DownloadFiles under Wine against curl, for one 200 MB file from
# devservice on loopback, in the same run. Prints both rates and their ratio (updater / curl).
# Needs the native build (devservice) and the Windows build (bench_update_download.exe).
#   bench/updater-download.sh [SIZE_MB]
set -euo pipefail
source "$(dirname "$0")/../tools/lib.sh"
size_mb=${1:-200}
bench_exe="$fv_root/build/win/bench/bench_update_download.exe"
[ -f "$bench_exe" ] || { echo "build the Windows tree first: $bench_exe is missing" >&2; exit 1; }

work=$(mktemp -d)
prefix="$fv_root/build/wineprefix-bench"
"$fv_root/tools/wine/prefix.sh" "$prefix" >/dev/null
fv_wine_env "$prefix"
state="$work/svc"
cleanup() {
    "$fv_root/tools/devservice-ctl.sh" stop "$state" || true
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/updates" "$work/curl" "$work/updater"
head -c "$((size_mb * 1024 * 1024))" /dev/urandom > "$work/updates/big.bin"
size=$(stat -c %s "$work/updates/big.bin")
host=$("$fv_root/tools/devservice-ctl.sh" start "$state" "${FV_BUILD_NATIVE:-$fv_root/build/native}" --update-dir "$work/updates")
url="http://$host/Update/files/big.bin"

# Both runs once to warm the service and the page cache, then measured.
curl -s -o "$work/curl/big.bin" "$url"
curl_s=$(curl -s -o "$work/curl/big.bin" -w '%{time_total}' "$url")
folder=$(winepath -w "$work/updater")
wine "$bench_exe" "http://$host/Update/files/" big.bin "$size" "$folder" >/dev/null
rm -f "$work/updater/big.bin"
updater_line=$(wine "$bench_exe" "http://$host/Update/files/" big.bin "$size" "$folder" | tr -d '\r')
updater_s=$(awk '{print $4}' <<<"$updater_line")
cmp -s "$work/updates/big.bin" "$work/updater/big.bin" || { echo "downloaded file differs: $updater_line" >&2; exit 1; }

awk -v b="$size" -v c="$curl_s" -v u="$updater_s" 'BEGIN {
    printf "curl:        %8.1f MB/s (%.3f s)\n", b / c / 1048576, c
    printf "DownloadFiles: %6.1f MB/s (%.3f s)\n", b / u / 1048576, u
    printf "ratio (updater / curl): %.2f\n", c / u
}'
