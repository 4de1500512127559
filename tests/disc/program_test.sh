#!/bin/bash
# Drives lumora-disc itself: exit statuses, the summary line, --json and its code page, preview
# (and the screens it leaves out, on standard error), and the disc image read back with xorriso
# (label, file list, autorun.inf and lumora.exe; a disc's own are kept; links stored as files; the
# image written into the folder left out; faults refused).
# Usage: program_test.sh LUMORA_DISC SOURCE_DIR
set -u
tool=$1
top=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$tool" check "$top/demo/disc" >"$work/demo.txt"; status=$?
[ $status -eq 0 ] || fail "check on the demo disc exits $status"
# The demo's menu leaves out an item without Description on purpose: one warning, no error.
[ "$(tail -1 "$work/demo.txt")" = "Lumora.ini: 0 errors, 1 warning" ] ||
    fail "check on the demo disc says: $(cat "$work/demo.txt")"

"$tool" check "$top/tests/data/discs/planted" >"$work/planted.txt"; status=$?
[ $status -eq 1 ] || fail "check on the planted disc exits $status"
grep -q '^Lumora.ini:[0-9]*: error: ' "$work/planted.txt" || fail "no error lines"
grep -Eq '^Lumora.ini: [0-9]+ errors, [0-9]+ warnings$' <(tail -1 "$work/planted.txt") ||
    fail "no summary line: $(tail -1 "$work/planted.txt")"

"$tool" check "$top/tests/data/discs/planted" --json >"$work/planted.json"
python3 - "$work/planted.json" "$work/planted.txt" <<'PY' || fail "--json does not match the text"
import json, sys
report = json.load(open(sys.argv[1]))
text = open(sys.argv[2]).read().splitlines()
assert report["errors"] > 0 and report["file"] == "Lumora.ini"
assert len(report["diagnostics"]) == len(text) - 1
first = report["diagnostics"][0]
assert text[0].startswith("Lumora.ini"), text[0]
assert first["message"] in text[0] and first["severity"] in text[0]
PY

"$tool" >/dev/null 2>&1; [ $? -eq 2 ] || fail "no arguments do not exit 2"
"$tool" preview "$top/demo/disc" >/dev/null 2>&1; [ $? -eq 2 ] || fail "preview without -o"

"$tool" preview "$top/demo/disc" -o "$work/preview" >/dev/null || fail "preview failed"
[ -f "$work/preview/index.html" ] || fail "preview wrote no index.html"
# A screen the preview leaves out is named on standard error too, with the reason.
"$tool" preview "$top/tests/data/discs/misspelled" -o "$work/misspelled" >/dev/null \
    2>"$work/notes.txt" || fail "preview of the misspelled disc failed"
grep -q "^lumora-disc: preview: The screen 'Home' is not shown: picture 'art.home.bmp' depends on the current folder" \
    "$work/notes.txt" || fail "preview does not name the screen it leaves out: $(cat "$work/notes.txt")"

if ! command -v xorriso >/dev/null; then
    fail "xorriso is missing (scripts/install-deps.sh installs it)"
else
    "$tool" iso "$top/tests/data/discs/planted" -o "$work/planted.iso" 2>"$work/refused.txt"
    [ $? -eq 1 ] || fail "iso of a disc with errors does not fail"
    [ -e "$work/planted.iso" ] && fail "iso of a disc with errors wrote an image"
    grep -q "no image was built" "$work/refused.txt" || fail "iso refusal says: $(cat "$work/refused.txt")"

    # Stand-ins for lumora.exe: the first bytes of a 32-bit and of a 64-bit Windows program.
    program() {
        mkdir -p "$(dirname "$1")"
        python3 -c 'import sys; b = bytearray(512); b[0:2] = b"MZ"; b[0x3C] = 0x80
b[0x80:0x84] = b"PE\0\0"; b[0x84:0x86] = int(sys.argv[2], 16).to_bytes(2, "little")
open(sys.argv[1], "wb").write(b)' "$1" "$2"
    }
    program "$work/given/lumora.exe" 14c
    program "$work/x64.exe" 8664

    "$tool" iso "$top/demo/disc" -o "$work/demo.iso" --label LUMORA_DEMO --exe "$work/given/lumora.exe" \
        >/dev/null || fail "iso of the demo disc failed"
    xorriso -indev "$work/demo.iso" -pvd_info 2>/dev/null | grep -q "^Volume Id *: LUMORA_DEMO$" ||
        fail "the image is not labelled LUMORA_DEMO"
    xorriso -indev "$work/demo.iso" -find / -type f 2>/dev/null | tr -d "'" | sort >"$work/list.txt"
    (cd "$top/demo/disc" && find . -type f | sed 's|^\.||' ; echo /autorun.inf; echo /lumora.exe) | sort >"$work/expected.txt"
    diff "$work/expected.txt" "$work/list.txt" >/dev/null || fail "the image's files differ from the disc's"
    xorriso -osirrox on -indev "$work/demo.iso" -extract /autorun.inf "$work/autorun.inf" \
        -extract /lumora.exe "$work/lumora.exe" >/dev/null 2>&1
    printf '[autorun]\r\nopen=lumora.exe\r\nicon=lumora.exe,0\r\nlabel=LUMORA_DEMO\r\n' >"$work/autorun.expected"
    cmp -s "$work/autorun.inf" "$work/autorun.expected" || fail "autorun.inf differs"
    cmp -s "$work/lumora.exe" "$work/given/lumora.exe" || fail "the image's lumora.exe is not the one given"

    # Without --exe the kit takes lumora.exe from the Windows build beside it, and without one it
    # refuses. A copy of the kit in a folder of its own shows both.
    mkdir -p "$work/builds/native"
    cp "$tool" "$work/builds/native/lumora-disc"
    "$work/builds/native/lumora-disc" iso "$top/demo/disc" -o "$work/none.iso" --label NONE \
        >/dev/null 2>"$work/none.txt"
    [ $? -eq 1 ] || fail "iso without any lumora.exe does not exit 1"
    [ -e "$work/none.iso" ] && fail "iso without any lumora.exe wrote an image"
    grep -q "lumora-disc: no lumora.exe: .*$work/builds/win/lumora.exe.*--exe PATH" "$work/none.txt" ||
        fail "iso without lumora.exe says: $(cat "$work/none.txt")"
    program "$work/builds/win/lumora.exe" 14c
    "$work/builds/native/lumora-disc" iso "$top/demo/disc" -o "$work/built.iso" --label BUILT \
        >/dev/null 2>&1 || fail "iso with the build beside the kit failed"
    xorriso -osirrox on -indev "$work/built.iso" -extract /lumora.exe "$work/built.exe" >/dev/null 2>&1
    cmp -s "$work/built.exe" "$work/builds/win/lumora.exe" || fail "the build's lumora.exe is not in the image"
    "$tool" iso "$top/demo/disc" -o "$work/x64.iso" --label X64 --exe "$work/x64.exe" >/dev/null 2>&1 &&
        fail "a 64-bit lumora.exe was put into an image"

    # A disc with its own autorun.inf and lumora.exe keeps both; without --label the first
    # LaunchReq label is used.
    cp -r "$top/demo/disc" "$work/own"
    printf '[autorun]\r\nopen=mine.exe\r\n' >"$work/own/AUTORUN.INF"
    program "$work/own/Lumora.EXE" 14c
    "$tool" iso "$work/own" -o "$work/own.iso" >"$work/own.txt" 2>&1
    [ $? -eq 1 ] && grep -q -- "--label" "$work/own.txt" || fail "iso without any label: $(cat "$work/own.txt")"
    "$tool" iso "$work/own" -o "$work/own.iso" --label OWN >/dev/null 2>&1 || fail "iso of own autorun"
    xorriso -osirrox on -indev "$work/own.iso" -extract /AUTORUN.INF "$work/own.inf" \
        -extract /Lumora.EXE "$work/own.exe" >/dev/null 2>&1
    cmp -s "$work/own.inf" "$work/own/AUTORUN.INF" || fail "the disc's own autorun.inf was replaced"
    cmp -s "$work/own.exe" "$work/own/Lumora.EXE" || fail "the disc's own lumora.exe was replaced"
    "$tool" iso "$work/own" -o "$work/both.iso" --label OWN --exe "$work/given/lumora.exe" >/dev/null 2>&1 &&
        fail "--exe was taken beside the disc's own lumora.exe"
    "$tool" iso "$work/own" -o "$work/bad.iso" --label "two words" >/dev/null 2>&1 &&
        fail "a label with blanks and small letters was accepted"

    # What check calls a disc file is what the image holds: a link inside the folder goes in as
    # the file it names; the image written into the folder, and iso's own files, never go in.
    cp -r "$top/demo/disc" "$work/linked"
    mv "$work/linked/art/main.bmp" "$work/linked/art/shared.bmp"
    ln -s shared.bmp "$work/linked/art/main.bmp"
    mkdir "$work/linked/out"
    for run in first again; do
        "$tool" iso "$work/linked" -o "$work/linked/out/disc.iso" --label LINKED \
            --exe "$work/given/lumora.exe" >/dev/null 2>&1 ||
            fail "iso into the disc folder ($run run)"
        xorriso -indev "$work/linked/out/disc.iso" -find / -type f 2>/dev/null | tr -d "'" |
            sort >"$work/linked.txt"
        (cd "$work/linked" && find . -path ./out -prune -o \( -type f -o -type l \) -print |
            sed 's|^\.||'; echo /autorun.inf; echo /lumora.exe) | sort >"$work/linked.expected"
        diff "$work/linked.expected" "$work/linked.txt" >/dev/null ||
            fail "the image of a folder that holds it ($run run): $(diff "$work/linked.expected" "$work/linked.txt")"
    done
    xorriso -indev "$work/linked/out/disc.iso" -find / -type l 2>/dev/null | grep -q . &&
        fail "a link went into the image as a link"
    xorriso -osirrox on -indev "$work/linked/out/disc.iso" -extract /art/main.bmp "$work/main.bmp" >/dev/null 2>&1
    cmp -s "$work/main.bmp" "$work/linked/art/shared.bmp" || fail "a link is not stored as the file it names"
    xorriso -osirrox on -indev "$work/linked/out/disc.iso" -extract /autorun.inf "$work/linked.inf" >/dev/null 2>&1
    grep -q "label=LINKED" "$work/linked.inf" || fail "the image written into the folder lost its autorun.inf"

    # A link out of the folder, a FIFO or a name the image cannot hold: no image.
    for fault in link fifo name; do
        rm -rf "$work/fault"
        cp -r "$top/demo/disc" "$work/fault"
        case $fault in
        link) ln -s /etc "$work/fault/etc" ;;
        fifo) mkfifo "$work/fault/pipe" ;;
        name) cp "$work/fault/art/main.bmp" "$work/fault/art/col:on.bmp" ;;
        esac
        timeout 60 "$tool" iso "$work/fault" -o "$work/fault.iso" --label FAULT \
            --exe "$work/given/lumora.exe" >"$work/fault.txt" 2>&1
        status=$?
        [ $status -eq 1 ] && [ ! -e "$work/fault.iso" ] ||
            fail "iso of a disc with a $fault fault exits $status: $(cat "$work/fault.txt")"
        grep -q "disc folder: " "$work/fault.txt" || fail "the $fault fault is not named: $(cat "$work/fault.txt")"
    done
fi

# JSON is UTF-8, from the ANSI code page named (1252 unless --codepage says otherwise).
mkdir -p "$work/named"
printf '[Config]\r\nScreenNames=Ma\xF1ana\r\nStartup=Ma\xF1ana\r\n' >"$work/named/Lumora.ini"
"$tool" check "$work/named" --json >"$work/1252.json"
"$tool" check "$work/named" --json --codepage 1250 >"$work/1250.json"
python3 - "$work/1252.json" "$work/1250.json" <<'PY' || fail "--json is not UTF-8 in the code page named"
import json, sys
western = json.load(open(sys.argv[1], encoding="utf-8"))
central = json.load(open(sys.argv[2], encoding="utf-8"))
assert any("Ma\u00f1ana" in d["message"] for d in western["diagnostics"]), western
assert any("Ma\u0144ana" in d["message"] for d in central["diagnostics"]), central
PY
"$tool" check "$work/named" --codepage 932 >/dev/null 2>&1; [ $? -eq 2 ] || fail "code page 932 was accepted"

[ $failures -eq 0 ] && echo "lumora-disc program tests passed"
exit $((failures > 0))
