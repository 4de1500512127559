#!/bin/bash
# The shipped lumora.exe (i686): it imports only the system DLLs it needs for its first screen
# (comctl32, shell32 and winmm are loaded when first used, and oleacc, oleaut32 and ole32 when a
# screen reader first asks), exports the ten action
# functions by their plain names, and is at most 300 KB: a disc's front door starts at once, even
# from a slow drive. Prints its size.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
exe=$top/build/win/lumora.exe
objdump=i686-w64-mingw32-objdump
[ -f "$exe" ] || { echo "product: $exe is not built"; exit 1; }
bad=0
allowed='^(ADVAPI32|GDI32|KERNEL32|MSVCRT|USER32)\.DLL$'
for dll in $("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
    if ! tr '[:lower:]' '[:upper:]' <<<"$dll" | grep -qE "$allowed"; then
        echo "product: lumora.exe imports $dll, which is not a system DLL it may import"
        bad=1
    fi
done
exports=$("$objdump" -p "$exe" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p')
for name in DispatchScreen DispatchPreviousScreen DispatchMinimize DispatchMenu DispatchHelp \
    DispatchPreferences DispatchAbout DispatchProgram DispatchProgramAndWait DispatchExit; do
    grep -qE "[[:space:]]$name\$" <<<"$exports" || { echo "product: $name is not exported"; bad=1; }
done
size=$(stat -c %s "$exe")
limit=$((300 * 1024))
echo "product: lumora.exe (i686) is $size bytes (at most $limit)"
if [ "$size" -gt "$limit" ]; then
    echo "product: lumora.exe is larger than $limit bytes"
    bad=1
fi
exit "$bad"
