#!/bin/bash
# The page `lumora-disc preview` writes, which runs a disc on lumora's core compiled to
# WebAssembly, in Debian's chromium, headless, driven through chromium-driver by python3-selenium
# (scripts/install-deps.sh installs the three). Closes with "browser: N passed, N failed".
# Usage: browser_test.sh LUMORA_DISC SOURCE_DIR PAGE_MODULE
set -eu
tool=$1
top=$2
module=$3
# Debian's python, whose selenium package is the one installed, whatever python3 is first on PATH.
python=/usr/bin/python3
missing=()
[ -x /usr/bin/chromium ] || missing+=(chromium)
[ -x /usr/bin/chromedriver ] || missing+=(chromium-driver)
"$python" -c 'import selenium' 2>/dev/null || missing+=(python3-selenium)
if [ ${#missing[@]} -gt 0 ]; then
    echo "browser: ${missing[*]} missing: run scripts/install-deps.sh"
    echo "browser: 0 passed, 1 failed"
    exit 1
fi
if [ ! -f "$module" ]; then
    echo "FAIL: no module $module: run make wasm"
    echo "browser: 0 passed, 1 failed"
    exit 1
fi
out=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$out" "$log"' EXIT
# The kit finds the module in the build beside it (build/native -> build/wasm).
"$tool" preview "$top/demo/disc" -o "$out" >/dev/null
passed=0
failed=0
# Adds the counts of one test program's closing line; the last line gives the sums.
count() {
    local counts
    counts=$(sed -n 's/^browser: \([0-9]*\) passed, \([0-9]*\) failed.*/\1 \2/p' "$log" | tail -1)
    if [ -z "$counts" ]; then
        echo "the browser test did not finish"
        failed=$((failed + 1))
    else
        passed=$((passed + ${counts% *}))
        failed=$((failed + ${counts#* }))
    fi
}
tests="$top/tests/disc/browser"
"$python" "$tests/preview_page_test.py" "$out/index.html" "$out" 2>&1 | tee "$log" || true
count
"$python" "$tests/live_page_test.py" "$out/index.html" "$out" "$module" 2>&1 | tee "$log" || true
count
"$python" "$tests/delay_page_test.py" "$tool" "$top/demo/disc" 2>&1 | tee "$log" || true
count
echo "browser: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
