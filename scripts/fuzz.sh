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
# FUZZ_RUNS instead runs each target on its seeds and then that many inputs made from them, the
# same ones each time; FUZZ_BUILD names another build folder (default build/native) and
# FUZZ_RUNNER a command that runs its programs. The 32-bit run of `make check` (level unit32):
#   FUZZ_BUILD=build/native32 FUZZ_RUNNER=scripts/run-i386.sh FUZZ_RUNS=1000 scripts/fuzz.sh
# After the targets comes a table of each one's executions per second and runs; the last line
# is "fuzz: N passed, N failed", one count per target.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
bin=$top/${FUZZ_BUILD:-build/native}/tests/fuzz
runner=()
watch=()
if [ -n "${FUZZ_RUNNER:-}" ]; then
    runner=("$top/$FUZZ_RUNNER")
    # No memory watch thread: under qemu-user, runs with it fail after some thousands of inputs
    # with a floating-point exception inside libFuzzer's own scheduling. Each allocation is still
    # limited.
    watch=(-rss_limit_mb=0)
fi
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

    if [ -n "${FUZZ_RUNS:-}" ]; then
        # The seeds are named one by one: a 32-bit libFuzzer lists no folder on a file system
        # with 64-bit inode numbers (readdir fails with EOVERFLOW), and finds no corpus there.
        inputs=$(find "$corpus" -type f | sort | paste -sd, -)
        limit=(-runs="$FUZZ_RUNS" -seed=1)
        [ -n "$inputs" ] && limit+=(-seed_inputs="$inputs")
        echo "== fuzz $name: its seeds and $FUZZ_RUNS runs"
    else
        limit=("$corpus" -max_total_time="$seconds")
        echo "== fuzz $name for ${seconds}s"
    fi
    # No input needs more than a few megabytes: 16 MB per allocation catches a size taken from
    # the input unchecked. The progress lines are left out.
    began=$SECONDS
    "${runner[@]}" "$work/$name/fuzz" "${limit[@]}" "${watch[@]}" -max_len=8192 \
        -timeout=10 -malloc_limit_mb=16 -print_final_stats=1 \
        -artifact_prefix="$top/build/fuzz-$name-" >"$work/$name/log" 2>&1
    status=$?
    elapsed=$((SECONDS - began))
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
    table+=("$(printf '%-20s %6ss %10s %12s  %s' "$name" "$elapsed" "${speed:-?}" "${runs:-?}" "$verdict")")
done
echo "== fuzz summary"
printf '%-20s %7s %10s %12s  %s\n' target time exec/s runs result
printf '%s\n' "${table[@]}"
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
