#!/bin/bash
# The preview page in Debian's chromium, headless, driven by puppeteer-core (installed from npm
# into the build folder on the first run). Usage: browser_test.sh LUMORA_DISC SOURCE_DIR BUILD_DIR
set -eu
tool=$1
top=$2
modules=$3/browser-test
here=$(cd "$(dirname "$0")" && pwd)
missing=()
command -v chromium >/dev/null || missing+=(chromium)
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -q && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
mkdir -p "$modules"
cp "$here/browser/package.json" "$here/browser/preview_page_test.mjs" "$modules/"
if [ ! -d "$modules/node_modules/puppeteer-core" ]; then
    # The browser is Debian's: puppeteer-core downloads none.
    (cd "$modules" && npm install --no-audit --no-fund --loglevel=error >/dev/null)
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$tool" preview "$top/demo/disc" -o "$out" >/dev/null
node "$modules/preview_page_test.mjs" "$out"
