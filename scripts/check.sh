#!/bin/bash
# Builds the targets (native, Windows, WebAssembly) and runs the test levels: unit (native), unit32
# (the core's unit tests and fuzz seeds as 32-bit code, under qemu-i386 where the kernel runs no
# 32-bit programs), browser (the kit's preview page and the page on the WebAssembly core in
# headless chromium), win (Win32 layer under Wine), e2e (lumora.exe under Wine on Xvfb), fuzz and
# bench (short runs that print figures).
# With no argument every level runs; the last line gives the totals.
set -u
source "$(dirname "$0")/wine-setup.sh"
top=$lumora_top
cd "$top"
levels=("$@")
[ ${#levels[@]} -eq 0 ] && levels=(unit unit32 browser win e2e fuzz bench)

passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# The product (i686) is always built; the 64-bit test build too when only that one can run here.
build() {
    local targets=(native windows wasm)
    [ "$LUMORA_WINE_ARCH" = win64 ] && targets+=(windows64)
    make --no-print-directory "${targets[@]}" || { echo "build failed"; exit 1; }
}

# Runs a CTest suite and adds its counts to the totals.
run_ctest() {
    local name=$1 dir=$2
    shift 2
    echo "== $name tests"
    ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log"
    local total fails
    total=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2/p' "$log" | tail -1)
    fails=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -1)
    if [ -z "$total" ]; then
        echo "$name: no tests ran"
        failed=$((failed + 1))
        return
    fi
    passed=$((passed + total - fails))
    failed=$((failed + fails))
}

# Runs a GoogleTest program as one process and adds its counts to the totals.
run_gtest() {
    local name=$1
    shift
    echo "== $name tests"
    "$@" --gtest_color=no 2>&1 | tr -d '\r' | tee "$log"
    local ran fails
    ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\{0,1\} from .* ran\..*/\1/p' "$log" | tail -1)
    fails=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\{0,1\}, listed below.*/\1/p' "$log" | tail -1)
    if [ -z "$ran" ]; then
        echo "$name: the test program did not finish"
        failed=$((failed + 1))
        return
    fi
    fails=${fails:-0}
    passed=$((passed + ran - fails))
    failed=$((failed + fails))
}

# Adds the counts of a script's closing line "LABEL: N passed, N failed" in the log to the
# totals; without that line the script did not finish, which counts as one failure.
add_closing_counts() {
    local label=$1 unfinished=$2 counts
    counts=$(sed -n "s/^$label: \([0-9]*\) passed, \([0-9]*\) failed.*/\1 \2/p" "$log" | tail -1)
    if [ -z "$counts" ]; then
        echo "$unfinished"
        failed=$((failed + 1))
        return
    fi
    passed=$((passed + ${counts% *}))
    failed=$((failed + ${counts#* }))
}

# The folders include one another one way only.
if scripts/check-layers.sh; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
build
# The shipped i686 program, whichever build the Windows tests run.
if scripts/check-product.sh; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
for level in "${levels[@]}"; do
    case $level in
    unit) run_ctest unit build/native -j2 ;;
    unit32)
        # size_t and pointers as wide as in lumora.exe: the unit tests in one process (a process
        # each under qemu would cost seconds), then each fuzz target on its seeds and the same
        # thousand inputs made from them. The fuzz script closes with "fuzz: N passed, N failed".
        began=$SECONDS
        if ! make --no-print-directory native32; then
            echo "unit32: build failed"
            failed=$((failed + 1))
            continue
        fi
        built=$SECONDS
        run_gtest unit32 scripts/run-i386.sh build/native32/tests/unit/unit_tests
        FUZZ_BUILD=build/native32 FUZZ_RUNNER=scripts/run-i386.sh FUZZ_RUNS=1000 \
            scripts/fuzz.sh 2>&1 | tee "$log"
        add_closing_counts fuzz "unit32: the fuzz targets did not finish"
        echo "unit32: built in $((built - began)) s, ran in $((SECONDS - built)) s"
        ;;
    browser)
        # One count per check; the test closes with "browser: N passed, N failed".
        echo "== browser tests"
        began=$(date +%s)
        tests/disc/browser_test.sh build/native/lumora-disc . build/wasm/lumora_page.wasm 2>&1 |
            tee "$log"
        add_closing_counts browser "browser: the browser test did not finish"
        echo "browser: $(($(date +%s) - began)) s"
        ;;
    win)
        scripts/wine-env.sh up
        # One process for the whole suite: a Wine process per test would cost a second each.
        # Wine reports every exception it sees: any one raised by the tests is a failure.
        WINEDEBUG=warn+seh run_gtest win scripts/wine-run.sh \
            "$LUMORA_WIN_BUILD/tests/win/win_tests.exe"
        scripts/seh-check.sh "$log" || failed=$((failed + 1))
        # The authors' kit as a Windows console program answers as the native build.
        if tests/disc/windows_test.sh "$LUMORA_WIN_BUILD/lumora-disc.exe" build/native/lumora-disc; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
        fi
        ;;
    e2e)
        # The end-to-end script closes with "e2e: N passed, N failed".
        scripts/e2e.sh 2>&1 | tee "$log"
        add_closing_counts e2e "e2e: the end-to-end tests did not finish"
        ;;
    fuzz)
        # One count per fuzz target; the script closes with "fuzz: N passed, N failed".
        scripts/fuzz.sh 2>&1 | tee "$log"
        add_closing_counts fuzz "fuzz: the fuzz targets did not finish"
        ;;
    bench)
        if [ -x build/native/tests/bench/benchmarks ]; then
            echo "== benchmarks"
            build/native/tests/bench/benchmarks --benchmark_min_time=0.2 || failed=$((failed + 1))
        fi
        # lumora.exe's memory over 1,000 screen switches and 10,000 hovers, printed as figures.
        if scripts/e2e.sh --soak; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
        ;;
    *) echo "unknown level $level" >&2; exit 2 ;;
    esac
done
# The virtual display and the Wine server of the Win32 tests are not left behind.
scripts/wine-env.sh down >/dev/null 2>&1 || true
echo "check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
