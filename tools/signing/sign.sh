#!/usr/bin/env bash
# Signs Windows programs in place with an Authenticode signature (SHA-256) through osslsigncode.
#   usage: sign.sh FILE...
# The certificate and key are the PEM files that FV_SIGN_CERT and FV_SIGN_KEY name (a release build's);
# without them a development certificate and key are made once under build/signing/ (never committed),
# so that every build, demo and test runs signed programs.
set -euo pipefail
source "$(dirname "$0")/signing.sh"
fv_build_cert
for file in "$@"; do
    fv_sign_with "$fv_cert" "$fv_key" "$file" "$file"
done
