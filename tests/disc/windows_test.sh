#!/bin/bash
# lumora-disc.exe under Wine answers as the native build: the same check reports and the same
# preview pictures and page. Usage: windows_test.sh LUMORA_DISC_EXE NATIVE_LUMORA_DISC
set -u
exe=$1
native=$2
top=$(cd "$(dirname "$0")/../.." && pwd)
run="$top/scripts/wine-run.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
for disc in demo/disc tests/data/discs/planted tests/data/discs/misspelled; do
    "$run" "$exe" check "Z:$top/$disc" 2>/dev/null | tr -d '\r' >"$work/wine.txt"
    "$native" check "$top/$disc" >"$work/native.txt"
    if ! diff -q "$work/native.txt" "$work/wine.txt" >/dev/null; then
        echo "FAIL: check of $disc differs under Wine"; failures=$((failures + 1))
    fi
done
"$run" "$exe" preview "Z:$top/demo/disc" -o "Z:$work/wine" >/dev/null 2>&1
"$native" preview "$top/demo/disc" -o "$work/native" >/dev/null
if ! diff -rq "$work/native" "$work/wine" >/dev/null; then
    echo "FAIL: the preview differs under Wine"; failures=$((failures + 1))
fi
[ $failures -eq 0 ] && echo "lumora-disc.exe under Wine answers as the native build"
exit $((failures > 0))
