#!/bin/sh
# The manifest compiled into a built program makes it aware of each
# display's DPI, so that Windows draws it at the display's scale itself
# instead of stretching a bitmap of it; Windows 7 reads only dpiAware. Wine
# treats every program as aware, so only the file can show it.
#
#   manifest.sh PROGRAM.exe
set -eu
program=$1
for setting in \
    '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' \
    '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>'
do
    grep -aqF "$setting" "$program" || { echo "FAIL: $program: its manifest lacks $setting" >&2; exit 1; }
done
