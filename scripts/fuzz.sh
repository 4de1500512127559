#!/bin/bash
# Runs every fuzz target (build/native/tests/fuzz/*_fuzz, or the ones named as arguments) in turn,
# each on a copy of its seed corpus, and prints each one's executions per second. A target fails
# on a crash, a broken invariant, a sanitizer report, a hang or an allocation above the limit; the
# input that did it is kept as build/fuzz-TARGET-crash-* (or -timeout-, -oom-).
# Seeds: tests/data/fuzz/TARGET/ (the bitmap target uses tests/data/bmp, the INI target
# tests/data/ini).
# Environment: FUZZ_SECONDS per target (default: 110 s shared among the targets, at least 5 s each,
# which with start-up makes about two minutes); FUZZ_CORPUS, a folder that keeps each target's
# grown corpus in FUZZ_CORPUS/TARGET from one run to the next (default: a copy of the seeds that
# is thrown away). A long run of every target, half an hour each:
#   FUZZ_SECONDS=1800 FUZZ_CORPUS=build/fuzz-corpus scripts/fuzz.sh
# After the targets comes a table of each one's executions per second and runs; the last line
# is "fuzz: N passed, N failed", one count per target.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
bin=$top/build/native/tests/fuzz
if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for program in "$bin"/*_fuzz; do
        [ -x "$program" ] && targets+=("$(basename "$program" _fuzz)")
    done
fi
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz: no target is built in $bin (make native)" >&2
    echo "fuzz: 0 passed, 1 failed"
    exit 1
fi
seconds=${FUZZ_SECONDS:-$((110 / ${#targets[@]} > 5 ? 110 / ${#targets[@]} : 5))}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
table=()
for name in "${targets[@]}"; do
    program=$bin/${name}_fuzz
    if [ ! -x "$program" ]; then
        echo "fuzz: $name is not built" >&2
        failed=$((failed + 1))
        table+=("$(printf '%-20s %7s %10s %12s  %s' "$name" - - - "NOT BUILT")")
        continue
    fi
    seeds=$top/tests/data/fuzz/$name
    [ "$name" = dib ] && seeds=$top/tests/data/bmp
    [ "$name" = ini ] && seeds=$top/tests/data/ini
    corpus=$work/$name/corpus
    [ -n "${FUZZ_CORPUS:-}" ] && corpus=$FUZZ_CORPUS/$name
    mkdir -p "$corpus" "$work/$name"
    if [ -d "$seeds" ]; then
        find "$seeds" -maxdepth 1 -type f ! -name '*.md' ! -name '*.py' \
            -exec cp {} "$corpus/" \;
    fi
    # A copy of the program, so that a rebuild during a long run does not pull it from under it.
    cp "$program" "$work/$name/fuzz"

    echo "== fuzz $name for ${seconds}s"
    # No input needs more than a few megabytes: 16 MB per allocation catches a size taken from
    # the input unchecked. The progress lines are left out.
    "$work/$name/fuzz" "$corpus" -max_total_time="$seconds" -max_len=8192 \
        -timeout=10 -malloc_limit_mb=16 -print_final_stats=1 \
        -artifact_prefix="$top/build/fuzz-$name-" >"$work/$name/log" 2>&1
    status=$?
    grep -v -E '^(#[0-9]+[[:space:]]+(NEW|REDUCE|pulse|INITED)|"|###|[[:space:]]+NEW_FUNC|INFO:|stat::)' \
        "$work/$name/log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$name/log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/$name/log")
    if [ "$status" -eq 0 ]; then
        echo "fuzz: $name passed: ${speed:-?} executions/s, ${runs:-?} runs"
        passed=$((passed + 1))
        verdict=passed
    else
        echo "fuzz: $name FAILED (exit $status) after ${runs:-?} runs" >&2
        failed=$((failed + 1))
        verdict=FAILED
    fi
    table+=("$(printf '%-20s %6ss %10s %12s  %s' "$name" "$seconds" "${speed:-?}" "${runs:-?}" "$verdict")")
done
echo "== fuzz summary"
printf '%-20s %7s %10s %12s  %s\n' target time exec/s runs result
printf '%s\n' "${table[@]}"
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
