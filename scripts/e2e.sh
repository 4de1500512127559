#!/bin/bash
# End-to-end tests: lumora.exe under Wine on Xvfb, driven with the real mouse.
# Two lanes, one after the other, each with its own X display and its own copy of a template
# prefix (the screen size is fixed when the Wine server starts): 1024x768 runs every test but
# the SmallDisplay ones, 640x480 runs those. Then the speed figures are printed (never judged).
# Environment: E2E_DISPLAY (default :86), E2E_SMALL_DISPLAY (default :87), E2E_SPEED=0 skips the
# speed figures, and anything else is passed on to the runner (e.g. --gtest_filter=Hover*).
# `scripts/e2e.sh --soak [runner options]` runs only the memory soak instead (the bench level):
# it prints figures and fails only when the soak could not run.
set -u
source "$(dirname "$0")/wine-setup.sh"
top=$lumora_top
cd "$top"
large_display=${E2E_DISPLAY:-:86}
small_display=${E2E_SMALL_DISPLAY:-:87}
work=$top/build/e2e
template=$work/template-prefix-$LUMORA_WINE_ARCH
runner=$top/build/native/tests/e2e/e2e_tests
speed=$top/build/native/tests/e2e/e2e_speed
soak=$top/build/native/tests/e2e/e2e_soak
only_soak=0
if [ "${1:-}" = --soak ]; then
    only_soak=1
    shift
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$work"
# Everything, or when something unrelated fails to build, at least what this level runs.
windows_target=windows
[ "$LUMORA_WINE_ARCH" = win64 ] && windows_target=windows64
if ! make --no-print-directory native "$windows_target" >"$work/build.log" 2>&1; then
    cmake --build build/native --target e2e_tests e2e_speed e2e_soak >>"$work/build.log" 2>&1 &&
        cmake --build "$LUMORA_WIN_BUILD" --target lumora lumora_probe lumora_probe_hook \
            winmm_double bare_window >>"$work/build.log" 2>&1 ||
        { tail -20 "$work/build.log"; echo "e2e: build failed"; exit 1; }
fi

# The winmm stand-in must export every winmm function that lumora.exe imports, or the program
# does not start under the override.
check_winmm_double() {
    local exe=$LUMORA_WIN_BUILD/lumora.exe dll=$LUMORA_WIN_BUILD/tests/e2e/windows/winmm.dll
    local missing=() objdump=$LUMORA_MINGW_TRIPLE-objdump
    local imports exports
    imports=$("$objdump" -p "$exe" | awk '
        /DLL Name:/ { inwinmm = toupper($3) == "WINMM.DLL"; next }
        inwinmm && NF == 0 { inwinmm = 0 }
        inwinmm && NF == 3 && $2 ~ /^[0-9]+$/ { print $3 }')
    exports=$("$objdump" -p "$dll" |
        sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk 'NF >= 2 { print $NF }')
    for name in $imports; do
        grep -qx "$name" <<<"$exports" || missing+=("$name")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "e2e: the winmm stand-in lacks ${missing[*]} (tests/e2e/windows/winmm_double.def)"
        return 1
    fi
}
check_winmm_double || exit 1

xvfb_pids=()
prefixes=()
cleanup() {
    for prefix in "${prefixes[@]}"; do
        WINEPREFIX=$prefix wineserver -k 2>/dev/null
    done
    for pid in "${xvfb_pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
}
trap cleanup EXIT

# Starts Xvfb on display $1 with size $2 (WxH), or checks the one already there has that size.
start_display() {
    local display=$1 size=$2
    if DISPLAY=$display xdpyinfo >/dev/null 2>&1; then
        DISPLAY=$display xdpyinfo | grep -q "dimensions: *${size} " && return 0
        echo "e2e: display $display is in use with another size" >&2
        return 1
    fi
    Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pids+=($!)
    for _ in $(seq 100); do
        DISPLAY=$display xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "e2e: Xvfb did not start on $display" >&2
    return 1
}

# A win32 prefix made once, with a virtual desktop; the registry reaches disk when its server ends.
make_template() {
    [ -f "$template/.lumora-ready" ] && return 0
    rm -rf "$template"
    DISPLAY=$large_display WINEPREFIX=$template wineboot -i </dev/null >/dev/null 2>&1
    DISPLAY=$large_display WINEPREFIX=$template wine reg add 'HKCU\Software\Wine\Explorer' \
        /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    WINEPREFIX=$template wineserver -k
    WINEPREFIX=$template wineserver -w
    touch "$template/.lumora-ready"
}

# A fresh copy of the template whose desktop is $2 (WxH) on display $1; a detached server is left
# running so that the runner's Wine processes start at once.
make_lane_prefix() {
    local display=$1 size=$2 prefix=$3
    rm -rf "$prefix"
    cp -a "$template" "$prefix"
    prefixes+=("$prefix")
    export DISPLAY=$display WINEPREFIX=$prefix
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f \
        </dev/null >/dev/null 2>&1
    # The winmm stand-in is the prefix's system winmm: lumora.exe loads it from there only.
    cp "$LUMORA_WIN_BUILD/tests/e2e/windows/winmm.dll" "$prefix/drive_c/windows/system32/winmm.dll"
    wineserver -k
    wineserver -w
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

passed=0
failed=0
lane_failed=0
# Runs the tests of one lane and adds the counts of the gtest summary.
run_lane() {
    local name=$1 display=$2 size=$3 filter=$4
    shift 4
    echo "== e2e $name ($size on $display)"
    start_display "$display" "$size" || { lane_failed=1; return; }
    make_lane_prefix "$display" "$size" "$work/prefix-$name"
    local log=$work/$name.log
    # lumora.exe and the probe log every exception Wine sees; the runner fails a test on any.
    WINEDEBUG=warn+seh "$runner" --gtest_color=no "--gtest_filter=$filter" "$@" 2>&1 | tee "$log"
    local ok bad
    ok=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
    bad=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
    if [ -z "$ok" ] || [ $((ok + ${bad:-0})) -eq 0 ]; then
        echo "e2e: lane $name ran no test"
        lane_failed=1
    fi
    grep -q "the probe raised an exception" "$log" && lane_failed=1
    passed=$((passed + ${ok:-0}))
    failed=$((failed + ${bad:-0}))
    WINEPREFIX=$work/prefix-$name wineserver -k 2>/dev/null
}

start=$(date +%s)
start_display "$large_display" 1024x768 || exit 1
make_template

if [ "$only_soak" = 1 ]; then
    echo "== e2e soak (1024x768 on $large_display)"
    make_lane_prefix "$large_display" 1024x768 "$work/prefix-soak"
    WINEDEBUG=warn+seh "$soak" --gtest_color=no "$@" 2>&1 | tee "$work/soak.log"
    if grep -q '^\[  PASSED  \]' "$work/soak.log" && ! grep -q '^\[  FAILED  \]' "$work/soak.log"; then
        echo "soak: ran ($(($(date +%s) - start)) s)"
        exit 0
    fi
    echo "soak: did not run through"
    exit 1
fi
run_lane large "$large_display" 1024x768 "${E2E_FILTER:-*}:-SmallDisplay*" "$@"
run_lane small "$small_display" 640x480 "SmallDisplay*" "$@"

if [ "${E2E_SPEED:-1}" != 0 ] && [ -x "$speed" ]; then
    echo "== e2e speed (1024x768 on $large_display)"
    make_lane_prefix "$large_display" 1024x768 "$work/prefix-large"
    "$speed" || echo "e2e: the speed figures could not be taken"
fi

echo "e2e: $passed passed, $failed failed ($(($(date +%s) - start)) s)"
[ "$failed" -eq 0 ] && [ "$lane_failed" -eq 0 ]
