#!/bin/sh
# The built startart-pack on files, as a publisher runs it: the Linux tool
# directly, the Windows tool under the emulator that runs it (Wine).
#
#   cli_test.sh CASE TOOL WORKDIR [EMULATOR]
#
# Fixtures: all-bytes.art holds every byte value in its texts, blanks at their
# edges, quotes, backslashes and line breaks, and the extreme numbers;
# not-well-formed.art has fett = 1 and a stray byte after the last field of
# ButtonEntry 1; overlong.art has a count in ButtonEntry 0 that runs past its
# record.
set -eu
case=$1
built=$2
work=$3
emulator=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
fixtures="$here/fixtures"
rm -rf "$work"
mkdir -p "$work"
# Names with umlauts reach the tool as the publisher's UTF-8.
LC_ALL=C.UTF-8
export LC_ALL

# runner SCRIPT PROGRAM: a script that runs PROGRAM with its arguments, so
# that every call, and the scripts that call the tool, name it as one command.
runner() {
    if [ -n "$emulator" ]; then
        printf '#!/bin/sh\nexec "%s" "%s" "$@"\n' "$emulator" "$2" >"$1"
    else
        printf '#!/bin/sh\nexec "%s" "$@"\n' "$2" >"$1"
    fi
    chmod +x "$1"
}
tool="$work/startart-pack"
runner "$tool" "$built"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# expect_exit CODE COMMAND...: runs the command, its messages in $work/err.
expect_exit() {
    expected=$1
    shift
    status=0
    "$@" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq "$expected" ] || fail "$* gave exit $status, not $expected: $(cat "$work/out" "$work/err")"
}

# round_trip FILE: unpack, pack, and the same bytes again.
round_trip() {
    expect_exit 0 "$tool" unpack "$1" -o "$work/text.ini"
    [ ! -s "$work/err" ] || fail "unpack $1 warned: $(cat "$work/err")"
    expect_exit 0 "$tool" pack "$work/text.ini" -o "$work/again.art"
    cmp "$1" "$work/again.art" || fail "$1 did not come back byte for byte"
}

case $case in
round-trip)
    round_trip "$fixtures/all-bytes.art"
    dd if=/dev/zero of="$work/zeros.art" bs=2304 count=1 2>/dev/null
    round_trip "$work/zeros.art"
    # unpack to standard output gives the same text as unpack -o.
    "$tool" unpack "$fixtures/all-bytes.art" >"$work/stdout.ini"
    "$tool" unpack "$fixtures/all-bytes.art" -o "$work/file.ini"
    cmp "$work/stdout.ini" "$work/file.ini" || fail "unpack to a file differs from standard output"

    # A file that is not well-formed unpacks with warnings; what pack makes
    # of it is well-formed.
    expect_exit 0 "$tool" unpack "$fixtures/not-well-formed.art" -o "$work/odd.ini"
    grep -q "Feld 'fett': Wert 1 ist weder 0 noch -1" "$work/err" || fail "no warning about fett: $(cat "$work/err")"
    grep -q "ButtonEntry 1" "$work/err" || fail "no warning about ButtonEntry 1: $(cat "$work/err")"
    expect_exit 0 "$tool" pack "$work/odd.ini" -o "$work/odd.art"
    ! cmp -s "$fixtures/not-well-formed.art" "$work/odd.art" || fail "odd bytes survived"
    round_trip "$work/odd.art"

    expect_exit 1 "$tool" unpack "$fixtures/overlong.art"
    grep -q "Datensatz 4 (ButtonEntry 0), Feld 'buttonb'" "$work/err" || fail "overlong: $(cat "$work/err")"
    ;;
demo)
    # Any file stands in for the program: check only looks for it.
    echo MZ >"$work/hallo.exe"
    STARTART_PACK=$tool "$root/scripts/make-demo-medium" "$work/medium" "$work/hallo.exe" >/dev/null
    cp "$work/hallo.exe" "$work/medium/startart.exe"
    expect_exit 0 "$tool" check "$work/medium"
    grep -q "keine Probleme gefunden" "$work/out" || fail "check said: $(cat "$work/out")"
    round_trip "$work/medium/st.art"

    rm "$work/medium/programme/hallo.exe" "$work/medium/bilder/titel.jpg"
    expect_exit 1 "$tool" check "$work/medium"
    [ "$(grep -vc ': Warnung: ' "$work/out")" -eq 2 ] || fail "expected two problems: $(cat "$work/out")"
    grep -q "Feld 'titelbild': Datei 'bilder.titel.jpg' fehlt" "$work/out" || fail "$(cat "$work/out")"
    grep -q "Ziel 'programme.hallo.exe' fehlt auf dem Medium" "$work/out" || fail "$(cat "$work/out")"
    ;;
picture-formats)
    # The header reader against a real encoder: the title picture in every
    # format and variant that ImageMagick writes and Windows' imaging reads.
    echo MZ >"$work/hallo.exe"
    STARTART_PACK=$tool "$root/scripts/make-demo-medium" "$work/medium" "$work/hallo.exe" >/dev/null
    cp "$work/hallo.exe" "$work/medium/startart.exe"
    expect_exit 0 "$tool" unpack "$work/medium/st.art" -o "$work/medium.ini"
    for variant in BMP:bmp BMP2:bmp BMP3:bmp GIF:gif GIF87:gif JPEG:jpg PJPEG:jpg PNG:png PNG8:png PNG48:png \
        TIFF:tif ICO:ico; do
        format=${variant%%:*}
        name="titel-$format.${variant#*:}"
        options=""
        [ "$format" = ICO ] && options="-resize 64x64"
        # shellcheck disable=SC2086
        convert "$work/medium/bilder/titel.jpg" $options "$format:$work/medium/$name"
        sed "s/^titelbild = .*/titelbild = $name/" "$work/medium.ini" >"$work/variant.ini"
        expect_exit 0 "$tool" pack "$work/variant.ini" -o "$work/medium/st.art"
        expect_exit 0 "$tool" check "$work/medium"
    done
    for compression in LZW Zip JPEG; do
        convert "$work/medium/bilder/titel.jpg" -compress "$compression" -endian MSB "$work/medium/titel-$compression.tif"
        sed "s/^titelbild = .*/titelbild = titel-$compression.tif/" "$work/medium.ini" >"$work/variant.ini"
        expect_exit 0 "$tool" pack "$work/variant.ini" -o "$work/medium/st.art"
        expect_exit 0 "$tool" check "$work/medium"
    done
    ;;
bad-input)
    printf 'st.art von vorher\n' >"$work/st.art"
    cp "$work/st.art" "$work/before"
    # bad LINE MESSAGE TEXT: pack fails naming the line and leaves st.art alone.
    bad() {
        printf '%b' "$3" >"$work/bad.ini"
        expect_exit 1 "$tool" pack "$work/bad.ini" -o "$work/st.art"
        grep -qF "bad.ini:$1: $2" "$work/err" || fail "expected 'bad.ini:$1: $2', got: $(cat "$work/err")"
        cmp -s "$work/st.art" "$work/before" || fail "st.art was touched"
        [ ! -e "$work/st.art.tmp" ] || fail "a temporary file was left behind"
    }
    bad 2 "Feld 'anzahl': Zahl außerhalb von -32768..32767" '[MenuSettings]\nanzahl = 32768\n'
    bad 3 "Feld 'farbe'" '[MenuSettings]\n\nfarbe = 0, 64\n'
    bad 2 "Feld 'fett'" '[MenuSettings]\nfett = wahr\n'
    bad 1 "unbekannter Abschnitt [Knopf 1]" '[Knopf 1]\n'
    bad 2 "unbekanntes Feld 'ziel'" '[ButtonEntry 1]\nziel = Ende\n'
    bad 3 "Feld 'anw' steht in [ButtonEntry 1] schon in Zeile 2" '[ButtonEntry 1]\nanw = a.pdf\nanw = b.pdf\n'
    bad 2 "Feld 'titel': Zeichen 'Ω' (U+03A9)" '[MenuSettings]\ntitel = Ω\n'
    bad 2 "[ReaderSetup] braucht 129 Byte" "[ReaderSetup]\nsetup = $(printf '%0125d' 0)\n"

    # Output that cannot be written: nothing is left behind.
    printf '[MenuSettings]\n' >"$work/good.ini"
    expect_exit 1 "$tool" pack "$work/good.ini" -o "$work/no/such/folder/st.art"

    expect_exit 1 "$tool" pack "$work" -o "$work/from-a-folder.art"
    [ ! -e "$work/from-a-folder.art" ] || fail "a folder was packed"

    expect_exit 2 "$tool"
    expect_exit 2 "$tool" pack "$work/good.ini"
    grep -q "^pack: -o st.art fehlt" "$work/err" || fail "pack without -o: $(cat "$work/err")"
    expect_exit 2 "$tool" unpack a.art b.art
    expect_exit 2 "$tool" frobnicate "$work/good.ini"
    expect_exit 2 "$tool" check "$work/no-such-medium"
    expect_exit 2 "$tool" init "$work/a" -o "$work/b"
    for command in "" init unpack pack check; do
        # shellcheck disable=SC2086
        expect_exit 0 "$tool" $command --help
        grep -q "startart-pack init ORDNER" "$work/out" || fail "$command --help: $(cat "$work/out")"
    done
    expect_exit 0 "$tool" --version
    grep -Eqx "startart-pack [0-9]+[.][0-9]+[.][0-9]+" "$work/out" || fail "--version: $(cat "$work/out")"
    expect_exit 1 "$tool" unpack "$work/missing.art"
    expect_exit 1 "$tool" check "$work"
    grep -q "st.art" "$work/out" || fail "check of an empty medium: $(cat "$work/out")"
    ;;
init)
    # Without the menu beside the tool, init says so and check reports it.
    medium="$work/Vorlage für Grüße"
    expect_exit 0 "$tool" init "$medium"
    grep -q "neben startart-pack liegt kein startart.exe" "$work/err" || fail "init: $(cat "$work/err")"
    expect_exit 1 "$tool" check "$medium"
    [ "$(grep -v ': Warnung: ' "$work/out")" = \
        "$medium: startart.exe fehlt neben st.art; ohne das Menü startet vom Medium nichts" ] ||
        fail "check of the template without the menu: $(cat "$work/out")"
    expect_exit 1 "$tool" init "$medium"
    grep -q "der Ordner ist nicht leer" "$work/err" || fail "init into a full folder: $(cat "$work/err")"

    # As the release keeps them: the menu beside the tool.
    mkdir "$work/Werkzeug"
    cp "$built" "$work/Werkzeug/"
    echo MZ >"$work/Werkzeug/startart.exe"
    runner "$work/released-tool" "$work/Werkzeug/$(basename "$built")"
    medium="$work/Medium Ä"
    expect_exit 0 "$work/released-tool" init "$medium"
    [ ! -s "$work/err" ] || fail "init with the menu beside it: $(cat "$work/err")"
    cmp "$work/Werkzeug/startart.exe" "$medium/startart.exe" || fail "init did not copy the menu"
    # The stand-in menu carries no signature, which check warns about.
    expect_exit 0 "$tool" check "$medium"
    [ "$(tail -n 1 "$work/out")" = "$medium: keine Probleme gefunden" ] ||
        fail "check of the template: $(cat "$work/out")"

    # Edited and packed over the st.art that init wrote; a comment at the end
    # of a value stays part of it.
    sed 's/^titel = .*/titel = Grüße aus Köln ; Entwurf/' "$medium/medium.ini" >"$work/edited.ini"
    cp "$work/edited.ini" "$medium/medium.ini"
    expect_exit 0 "$tool" pack "$medium/medium.ini" -o "$medium/st.art"
    grep -q "Feld 'titel': '; Entwurf' gehört zum Wert" "$work/err" || fail "no warning: $(cat "$work/err")"
    expect_exit 0 "$tool" unpack "$medium/st.art"
    grep -qx "titel = Grüße aus Köln ; Entwurf" "$work/out" || fail "st.art was not replaced: $(cat "$work/out")"
    ;;
signatures)
    # Real programs, built by make-demo-medium: check warns about the menu,
    # the program button's program and the reader's installer while they carry
    # no signature, and says nothing once they are signed with a throwaway
    # certificate, as the release signs its own.
    STARTART_PACK=$tool "$root/scripts/make-demo-medium" "$work/medium" >/dev/null
    cp "$work/medium/programme/hallo.exe" "$work/medium/startart.exe"
    expect_exit 0 "$tool" check "$work/medium"
    [ "$(grep -c 'trägt keine Authenticode-Signatur' "$work/out")" -eq 3 ] || fail "unsigned: $(cat "$work/out")"
    "$root/tests/common/throwaway-signer" "$work/signer"
    SIGN_PKCS12="$work/signer/signer.p12" SIGN_PASSWORD_FILE="$work/signer/password" "$root/scripts/sign-exe" \
        "$work/medium/startart.exe" "$work/medium/programme/hallo.exe" "$work/medium/reader/setup.exe" >/dev/null
    expect_exit 0 "$tool" check "$work/medium"
    ! grep -q 'Authenticode' "$work/out" || fail "signed: $(cat "$work/out")"

    # Wine keeps a file's DOS attributes, as Windows does; the Windows tool
    # reads them there. (Wine's attrib sets one attribute per call.)
    if [ -n "$emulator" ]; then
        autorun="Z:$(printf '%s' "$work/medium/autorun.inf" | tr / '\134')"
        "$emulator" attrib +h "$autorun" >/dev/null
        "$emulator" attrib +s "$autorun" >/dev/null
        expect_exit 0 "$tool" check "$work/medium"
        grep -q ": Warnung: autorun.inf ist versteckt und eine Systemdatei; " "$work/out" ||
            fail "hidden autorun.inf: $(cat "$work/out")"
    fi
    ;;
*)
    fail "unknown case $case"
    ;;
esac
