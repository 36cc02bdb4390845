#!/bin/sh
# The DLLs that a built program imports, against the ones it may import:
# Windows' KnownDLLs, which the system loads from its own folder whatever
# lies beside the program. Any other DLL named in the import table would be
# looked for in the program's folder first, where a medium unpacked into
# Downloads or a writable stick can carry a planted copy.
#
#   imports.sh OBJDUMP PROGRAM.exe
set -eu
objdump=$1
program=$2
allowed="kernel32 user32 gdi32 advapi32 shell32 ole32 oleaut32 comdlg32 shlwapi imm32 msvcrt"

imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: *//p' | tr 'A-Z' 'a-z' | sed 's/\.dll$//')
[ -n "$imports" ] || { echo "FAIL: $program: no import table found" >&2; exit 1; }
status=0
for dll in $imports; do
    case " $allowed " in
    *" $dll "*) ;;
    *)
        echo "FAIL: $program imports $dll.dll, which is no KnownDLL" >&2
        status=1
        ;;
    esac
done
exit "$status"
