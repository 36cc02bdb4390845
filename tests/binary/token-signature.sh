#!/bin/sh
# The release's signing with a key on a token, tried on the menu: a SoftHSM
# token made here holds an RSA key made on it, a throwaway authority
# certifies the key, and a time-stamping authority on 127.0.0.1 stamps the
# signature. scripts/sign-exe signs a copy, which verifies against that
# authority with a timestamp that verifies too. A wrong PIN, or a
# time-stamping authority out of reach, stops it with the reason and leaves
# the program as it was. The PIN stands on no command line of osslsigncode
# and in nothing it says. Token, key and PIN live only in WORKDIR.
#
#   token-signature.sh MENU WORKDIR
. "$(dirname "$0")/signing.sh"
mkdir -p "$work/bin"

command -v python3 >/dev/null || fail "python3 is missing: scripts/ensure-packages installs it"
"$root/tests/common/throwaway-signer" --token "$work/signer"
SOFTHSM2_CONF="$work/signer/softhsm2.conf"
SIGN_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so
SIGN_KEY_URI="pkcs11:token=startart-test;object=signer;type=private"
SIGN_CERT="$work/signer/chain.pem"
export SOFTHSM2_CONF SIGN_PKCS11_MODULE SIGN_KEY_URI SIGN_CERT

python3 "$root/tests/common/throwaway-tsa" "$work/signer" 2>"$work/tsa.log" &
tsa=$!
trap 'kill "$tsa" 2>/dev/null || true' EXIT
tries=0
until [ -s "$work/signer/tsa-url" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] && kill -0 "$tsa" 2>/dev/null ||
        fail "the time-stamping authority did not start: $(cat "$work/tsa.log")"
    sleep 0.1
done
SIGN_TIMESTAMP_URL=$(cat "$work/signer/tsa-url")
export SIGN_TIMESTAMP_URL

# osslsigncode's command lines, as ps would show them, are written down on
# the way.
real=$(command -v osslsigncode) || fail "osslsigncode is missing: scripts/ensure-packages installs it"
printf '#!/bin/sh\necho "$*" >>"%s/command-lines"\nexec "%s" "$@"\n' "$work" "$real" >"$work/bin/osslsigncode"
chmod +x "$work/bin/osslsigncode"
PATH="$work/bin:$PATH"

signed_copy SIGN_PIN_FILE "$work/signer/pin"
"$real" verify -CAfile "$work/signer/ca.pem" -TSA-CAfile "$work/signer/ca.pem" -in "$work/startart.exe" \
    >"$work/verify.log" 2>&1 || fail "the signed menu does not verify: $(cat "$work/verify.log")"
grep -q "^Timestamp Server Signature verification: ok" "$work/verify.log" ||
    fail "no timestamp that verifies: $(cat "$work/verify.log")"

printf 'falsch\n' >"$work/wrong-pin"
refused SIGN_PIN_FILE "$work/wrong-pin" wrong-pin.log "PIN incorrect"
kill "$tsa"
wait "$tsa" 2>/dev/null || true
refused SIGN_PIN_FILE "$work/signer/pin" unreachable.log "timestamping failed"

! grep -qF "$(head -n 1 "$work/signer/pin")" "$work/signed.log" "$work/wrong-pin.log" "$work/unreachable.log" \
    "$work/command-lines" || fail "the PIN was shown"
