#!/bin/bash
# Follows the reference's walk-through "From nothing to a disc image" (docs/authoring.md) command
# by command in an empty folder: each ```sh block runs as written; where a ```text block follows,
# the block's output must be that text, else it must succeed. Then the results are checked: the
# image holds the disc's files, autorun.inf and lumora.exe.
# Usage: walkthrough_test.sh LUMORA_DISC SOURCE_DIR
set -u
tool=$1
top=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The kit as the walk-through has it: lumora-disc on the PATH, with the page's module and a
# Windows build beside it that holds the shipped lumora.exe (the i686 build when it is there,
# else the first bytes of a 32-bit Windows program).
mkdir -p "$work/kit/native" "$work/kit/wasm" "$work/kit/win" "$work/disc"
cp "$tool" "$work/kit/native/lumora-disc"
cp "$top/build/wasm/lumora_page.wasm" "$work/kit/wasm/" || fail "no page module: run make wasm"
if [ -f "$top/build/win/lumora.exe" ]; then
    cp "$top/build/win/lumora.exe" "$work/kit/win/lumora.exe"
else
    python3 -c 'import sys; b = bytearray(512); b[0:2] = b"MZ"; b[0x3C] = 0x80
b[0x80:0x86] = b"PE\0\0\x4c\x01"; open(sys.argv[1], "wb").write(b)' "$work/kit/win/lumora.exe"
fi
export PATH=$work/kit/native:$PATH

# The section's blocks, each into a file of its own: N.sh, and N.text when text follows it.
python3 - "$top/docs/authoring.md" "$work/blocks" <<'PY' || fail "the walk-through was not found"
import os, re, sys
text = open(sys.argv[1]).read()
section = re.search(r"^## From nothing to a disc image\n(.*?)(?=^## |\Z)", text, re.S | re.M)
assert section, "no section"
blocks = re.findall(r"^```(\w+)\n(.*?)^```$", section.group(1), re.S | re.M)
os.makedirs(sys.argv[2])
n = 0
for kind, body in blocks:
    if kind == "sh":
        n += 1
        open(os.path.join(sys.argv[2], "%02d.sh" % n), "w").write(body)
    elif kind == "text" and n:
        open(os.path.join(sys.argv[2], "%02d.text" % n), "w").write(body)
assert n >= 5, "too few commands"
PY

for script in "$work"/blocks/*.sh; do
    expected=${script%.sh}.text
    (cd "$work/disc" && env -u DISPLAY bash -e "$script") >"$work/out.txt" 2>"$work/err.txt"
    status=$?
    if [ -f "$expected" ]; then
        diff "$expected" "$work/out.txt" >"$work/diff.txt" ||
            fail "$(basename "$script") does not print what the reference shows:
$(cat "$work/diff.txt") $(cat "$work/err.txt")"
    elif [ $status -ne 0 ]; then
        fail "$(basename "$script") exits $status: $(cat "$work/out.txt" "$work/err.txt")"
    fi
done

[ -f "$work/disc/atlas-preview/index.html" ] || fail "no preview page"
xorriso -osirrox on -indev "$work/disc/atlas.iso" -extract /lumora.exe "$work/lumora.exe" \
    -extract /autorun.inf "$work/autorun.inf" >/dev/null 2>&1
cmp -s "$work/lumora.exe" "$work/kit/win/lumora.exe" || fail "the image's lumora.exe is not the build's"
grep -q '^open=lumora.exe' "$work/autorun.inf" || fail "the image's autorun.inf does not open lumora.exe"
cmp -s "$work/disc/atlas/Lumora.ini" <(sed 's/=dispatchexit/=DispatchExit/' "$work/blocks/02.sh" |
    sed -n '/^\[Config\]/,/^ExitDuringSetup=0/p') || fail "run changed the author's Lumora.ini"

[ $failures -eq 0 ] && echo "the walk-through of docs/authoring.md runs as written"
exit $((failures > 0))
