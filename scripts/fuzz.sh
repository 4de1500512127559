#!/bin/bash
# Runs the bitmap fuzz target on a copy of the seed corpus in tests/data/bmp and prints libFuzzer's
# figures. Fails on a crash, a sanitizer report, a hang or an allocation above the limit; the input
# that did it is kept as build/fuzz-crash-*.
# Environment: FUZZ_SECONDS (default 60).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
target=$top/build/native/tests/fuzz/dib_fuzz
seconds=${FUZZ_SECONDS:-60}
if [ ! -x "$target" ]; then
    echo "fuzz: $target is not built (make native)" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$top"/tests/data/bmp/*.bmp "$work/corpus/"
# A copy of the program, so that a rebuild during a long run does not pull it from under it.
cp "$target" "$work/dib_fuzz"

echo "== fuzz dib_fuzz for ${seconds}s"
# A loaded picture never needs more memory than its file holds, so 16 MB per allocation is
# generous for inputs of at most 8 KB.
"$work/dib_fuzz" "$work/corpus" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -malloc_limit_mb=16 -print_final_stats=1 -artifact_prefix="$top/build/fuzz-" 2>&1 |
    grep -v -E '^(#[0-9]|"|###|[[:space:]]+NEW_FUNC)' || true
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
    echo "fuzz: dib_fuzz failed (exit $status)" >&2
fi
exit "$status"
