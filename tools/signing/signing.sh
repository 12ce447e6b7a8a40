# The build's signing steps (sourced by sign.sh, the test-program script and the demo).
fv_signing_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/signing

# fv_dev_cert BASE SUBJECT [openssl req options...]: makes BASE.crt and BASE.key once, a self-signed
# code-signing certificate (SHA-256 unless the options say otherwise). Parallel build steps wait for
# each other on a lock.
fv_dev_cert() {
    local base=$1 subject=$2
    shift 2
    mkdir -p "$(dirname "$base")"
    (
        flock 9
        if [ ! -s "$base.crt" ] || [ ! -s "$base.key" ]; then
            openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "$subject" \
                -addext "extendedKeyUsage=codeSigning" -keyout "$base.key.new" -out "$base.crt.new" \
                "${@:--sha256}" 2>/dev/null
            mv "$base.key.new" "$base.key"
            mv "$base.crt.new" "$base.crt"
        fi
    ) 9>"$base.lock"
}

# fv_build_cert: sets fv_cert and fv_key to the PEM files that FV_SIGN_CERT and FV_SIGN_KEY name, or to
# the development certificate and key, made once under build/signing/.
fv_build_cert() {
    if [ -n "${FV_SIGN_CERT:-}${FV_SIGN_KEY:-}" ]; then
        if [ ! -f "${FV_SIGN_CERT:-}" ] || [ ! -f "${FV_SIGN_KEY:-}" ]; then
            echo "signing: FV_SIGN_CERT and FV_SIGN_KEY must both name readable PEM files" >&2
            return 1
        fi
        fv_cert=$FV_SIGN_CERT fv_key=$FV_SIGN_KEY
        return 0
    fi
    fv_dev_cert "$fv_signing_dir/dev" "/CN=FoldVen Development/O=FoldVen"
    fv_cert=$fv_signing_dir/dev.crt fv_key=$fv_signing_dir/dev.key
}

# fv_sign_with CERT KEY IN OUT: OUT is IN, without any signature it had, signed with CERT and KEY
# (Authenticode, SHA-256; with a time stamp from FV_SIGN_TIMESTAMP_URL when it names a server).
fv_sign_with() {
    local cert=$1 key=$2 in=$3 out=$4
    local bare="$out.unsigned.$$" signed="$out.signed.$$" stamp=()
    [ -n "${FV_SIGN_TIMESTAMP_URL:-}" ] && stamp=(-ts "$FV_SIGN_TIMESTAMP_URL")
    fv_unsigned "$in" "$bare"
    if ! osslsigncode sign -certs "$cert" -key "$key" -h sha256 -n "FoldVen" "${stamp[@]}" \
        -in "$bare" -out "$signed" >/dev/null; then
        rm -f "$bare" "$signed"
        return 1
    fi
    rm -f "$bare"
    mv "$signed" "$out"
}

# fv_unsigned IN OUT: OUT is IN without its signature.
fv_unsigned() {
    rm -f "$2"  # osslsigncode writes no file that exists
    osslsigncode remove-signature -in "$1" -out "$2" >/dev/null 2>&1 || cp "$1" "$2"
}

# fv_with_version IN OUT FROM TO: OUT is the unsigned IN with its version text FROM (as version resources
# store it, UTF-16) written as TO, e.g. "2, 3, 1, 2" as "2, 3, 1, 3".
fv_with_version() {
    local bare="$2.bare.$$"
    fv_unsigned "$1" "$bare"
    python3 - "$bare" "$2" "$3" "$4" <<'PY'
import sys
program = open(sys.argv[1], 'rb').read()
old, new = sys.argv[3].encode('utf-16-le'), sys.argv[4].encode('utf-16-le')
if old not in program:
    sys.exit('version text %r not found in %s' % (sys.argv[3], sys.argv[1]))
open(sys.argv[2], 'wb').write(program.replace(old, new))
PY
    local rc=$?
    rm -f "$bare"
    return $rc
}
