#!/bin/sh
# The release's signing, tried on the menu: scripts/sign-exe signs a copy
# with a throwaway certificate made here, and osslsigncode verifies it
# against that certificate's authority. With a wrong password it stops with
# osslsigncode's reason and leaves the program as it was; the password shows
# in nothing it says.
#
#   signature.sh MENU WORKDIR
set -eu
menu=$1
work=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$work"
mkdir -p "$work"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$root/tests/common/throwaway-signer" "$work/signer"
SIGN_PKCS12="$work/signer/signer.p12"
export SIGN_PKCS12

cp "$menu" "$work/startart.exe"
SIGN_PASSWORD_FILE="$work/signer/password" "$root/scripts/sign-exe" "$work/startart.exe" >"$work/signed.log" 2>&1 ||
    fail "sign-exe: $(cat "$work/signed.log")"
osslsigncode verify -CAfile "$work/signer/ca.pem" -in "$work/startart.exe" >"$work/verify.log" 2>&1 ||
    fail "the signed menu does not verify: $(cat "$work/verify.log")"
grep -q "Message digest algorithm *: SHA256" "$work/verify.log" || fail "not SHA-256: $(cat "$work/verify.log")"

printf 'falsch\n' >"$work/wrong-password"
cp "$menu" "$work/unsigned.exe"
if SIGN_PASSWORD_FILE="$work/wrong-password" "$root/scripts/sign-exe" "$work/unsigned.exe" >"$work/refused.log" 2>&1
then
    fail "signed with a wrong password"
fi
grep -q "PKCS#12" "$work/refused.log" || fail "no reason given: $(cat "$work/refused.log")"
cmp -s "$menu" "$work/unsigned.exe" || fail "the program was changed"
[ ! -e "$work/unsigned.exe.signed" ] || fail "a half-signed copy was left behind"

! grep -qF "$(head -n 1 "$work/signer/password")" "$work/signed.log" "$work/refused.log" ||
    fail "the password was shown"
