#!/bin/bash
# The preview page of lumora-disc in Debian's chromium, headless, driven through chromium-driver
# by python3-selenium (scripts/install-deps.sh installs the three). Closes with
# "browser: N passed, N failed". Usage: browser_test.sh LUMORA_DISC SOURCE_DIR
set -eu
tool=$1
top=$2
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
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$tool" preview "$top/demo/disc" -o "$out" >/dev/null
"$python" "$top/tests/disc/browser/preview_page_test.py" "$out"
