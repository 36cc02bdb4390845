#!/bin/sh
# The release's signing, tried on the menu: scripts/sign-exe signs a copy
# with a throwaway certificate made here, and osslsigncode verifies it
# against that certificate's authority. With a wrong password it stops with
# osslsigncode's reason and leaves the program as it was; the password shows
# in nothing it says.
#
#   signature.sh MENU WORKDIR
. "$(dirname "$0")/signing.sh"

"$root/tests/common/throwaway-signer" "$work/signer"
SIGN_PKCS12="$work/signer/signer.p12"
export SIGN_PKCS12

signed_copy SIGN_PASSWORD_FILE "$work/signer/password"
osslsigncode verify -CAfile "$work/signer/ca.pem" -in "$work/startart.exe" >"$work/verify.log" 2>&1 ||
    fail "the signed menu does not verify: $(cat "$work/verify.log")"
grep -q "Message digest algorithm *: SHA256" "$work/verify.log" || fail "not SHA-256: $(cat "$work/verify.log")"

printf 'falsch\n' >"$work/wrong-password"
refused SIGN_PASSWORD_FILE "$work/wrong-password" refused.log "PKCS#12"

! grep -qF "$(head -n 1 "$work/signer/password")" "$work/signed.log" "$work/refused.log" ||
    fail "the password was shown"
