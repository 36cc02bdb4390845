#!/bin/sh
# The manifest compiled into a built program asks for GDI scaling, so that
# on a display scaled to 125-200 % its text and lines stay sharp. Wine
# ignores the setting, so only the file can show it.
#
#   manifest.sh PROGRAM.exe
set -eu
program=$1
setting='<gdiScaling xmlns="http://schemas.microsoft.com/SMI/2017/WindowsSettings">true</gdiScaling>'
grep -aqF "$setting" "$program" || { echo "FAIL: $program: its manifest asks for no GDI scaling" >&2; exit 1; }
