#!/usr/bin/env bash
# Checks that every program given carries a valid Authenticode signature: by the development certificate
# when the build signs with it, else one that the system's certificate authorities vouch for.
#   usage: verify.sh FILE...
set -uo pipefail
source "$(dirname "$0")/signing.sh"
fv_build_cert || exit 1
trust=()
[ -z "${FV_SIGN_CERT:-}" ] && trust=(-CAfile "$fv_cert")
bad=0
for file in "$@"; do
    if osslsigncode verify "${trust[@]}" -in "$file" >/dev/null 2>&1; then
        echo "signed: $file"
    else
        echo "NOT SIGNED by the build's certificate: $file" >&2
        bad=1
    fi
done
exit $bad
