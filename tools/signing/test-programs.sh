#!/usr/bin/env bash
# Programs for the tests of the same-publisher rule, made from the signed install-folder image:
#   usage: test-programs.sh OUT_DIR DIST_DIR SETUP_EXE
# "newer" programs carry a version one step up. Signed by the build's certificate unless the name says
# otherwise: "other" by a second publisher, "impostor" by a certificate with the build certificate's
# subject, issuer and serial number but a key of its own, "sha1" by a certificate whose own signature is
# SHA-1 (its root is trusted nowhere, which Wine then reports as on Windows), "flipped" with one byte of
# the signed program changed, "unsigned" without a signature.
set -euo pipefail
source "$(dirname "$0")/signing.sh"
out=$1 dist=$2 setup=$3
mkdir -p "$out"
fv_build_cert
certs=$fv_signing_dir/test
fv_dev_cert "$certs/other" "/CN=Other Publisher/O=Other"
fv_dev_cert "$certs/sha1" "/CN=FoldVen SHA-1 Test/O=FoldVen" -sha1
serial=$(openssl x509 -in "$fv_cert" -noout -serial | cut -d= -f2)
subject=$(openssl x509 -in "$fv_cert" -noout -subject -nameopt compat | sed 's/^subject=//')
if [ ! -s "$certs/impostor.crt" ] || ! cmp -s "$certs/impostor.of" <(echo "$serial $subject"); then
    rm -f "$certs/impostor.crt" "$certs/impostor.key"
    fv_dev_cert "$certs/impostor" "$subject" -sha256 -set_serial "0x$serial"
    echo "$serial $subject" > "$certs/impostor.of"
fi

ours() { fv_sign_with "$fv_cert" "$fv_key" "$1" "$2"; }
by() { fv_sign_with "$certs/$1.crt" "$certs/$1.key" "$2" "$3"; }

tmp=$out/.work
mkdir -p "$tmp"
fv_with_version "$dist/FoldVenBrowser.exe" "$tmp/browser" "2, 3, 1, 2" "2, 3, 1, 3"
fv_with_version "$dist/VenUpdater.exe" "$tmp/updater" "1, 0, 0, 1" "1, 0, 0, 2"

ours "$tmp/browser" "$out/browser-newer.exe"
by other "$tmp/browser" "$out/browser-newer-other.exe"
by impostor "$tmp/browser" "$out/browser-newer-impostor.exe"
by sha1 "$tmp/browser" "$out/browser-newer-sha1.exe"
cp "$tmp/browser" "$out/browser-newer-unsigned.exe"
cp "$out/browser-newer.exe" "$out/browser-newer-flipped.exe"
size=$(stat -c %s "$out/browser-newer-flipped.exe")
offset=$((size / 3))  # inside the program's code and data, far from the signature at its end
byte=$(od -An -tu1 -j "$offset" -N1 "$out/browser-newer-flipped.exe" | tr -d ' ')
printf "$(printf '\\%03o' $((byte ^ 1)))" |
    dd of="$out/browser-newer-flipped.exe" bs=1 seek="$offset" conv=notrunc status=none

ours "$tmp/updater" "$out/updater-newer.exe"
by other "$tmp/updater" "$out/updater-newer-other.exe"
cp "$tmp/updater" "$out/updater-newer-unsigned.exe"
fv_unsigned "$dist/FoldVenBrowser.exe" "$out/browser-unsigned.exe"
fv_unsigned "$dist/VenUpdater.exe" "$out/updater-unsigned.exe"
by other "$setup" "$out/setup-other.exe"
rm -rf "$tmp"
