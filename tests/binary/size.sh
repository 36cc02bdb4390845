#!/bin/sh
# The release menu, stripped as it is shipped, stays within its size: a menu
# that comes off a CD at once, and whose runtime carries nothing the program
# does not use. It fails with the size and what to look at.
#
#   size.sh STRIP PROGRAM.exe LIMIT_BYTES
set -eu
strip=$1
program=$2
limit=$3
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
"$strip" -o "$stripped" "$program"
size=$(wc -c <"$stripped")
if [ "$size" -gt "$limit" ]; then
    echo "FAIL: $program is $size bytes stripped, more than $limit." >&2
    echo "  A link map (-Wl,-Map,FILE) shows which archive members the linker took, and for what." >&2
    exit 1
fi
echo "$program: $size bytes stripped (at most $limit)"
