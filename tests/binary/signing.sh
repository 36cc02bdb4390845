# What the signing tests share, sourced by them with the menu and a work
# folder as their arguments: a fresh work folder, and the checks of a signed
# copy and of a refused one.
#
#   . signing.sh MENU WORKDIR
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

# signed_copy VARIABLE SECRET: scripts/sign-exe signs a copy of the menu,
# $work/startart.exe, with the secret's file named in VARIABLE; its output
# goes to $work/signed.log.
signed_copy() {
    cp "$menu" "$work/startart.exe"
    env "$1=$2" "$root/scripts/sign-exe" "$work/startart.exe" >"$work/signed.log" 2>&1 ||
        fail "sign-exe: $(cat "$work/signed.log")"
}

# refused VARIABLE SECRET LOG REASON: with that secret scripts/sign-exe must
# refuse with REASON and leave the program as it was.
refused() {
    cp "$menu" "$work/unsigned.exe"
    if env "$1=$2" "$root/scripts/sign-exe" "$work/unsigned.exe" >"$work/$3" 2>&1; then
        fail "signed: $(cat "$work/$3")"
    fi
    grep -q "$4" "$work/$3" || fail "the reason is not given: $(cat "$work/$3")"
    cmp -s "$menu" "$work/unsigned.exe" || fail "the program was changed"
    [ ! -e "$work/unsigned.exe.signed" ] || fail "a half-signed copy was left behind"
}
