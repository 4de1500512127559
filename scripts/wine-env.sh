#!/bin/bash
# Brings up (or down) the virtual display and the Wine prefix that the Windows tests run in.
#   scripts/wine-env.sh up     start Xvfb on $DISPLAY, make the prefix once, warm a detached wineserver
#   scripts/wine-env.sh down   stop the wineserver and the Xvfb this script started
#   scripts/wine-env.sh prefix make the prefix once, on the display $DISPLAY that is up
#   scripts/wine-env.sh where  print, one to a line, the Wine this machine runs (win32 or win64),
#                              the build of lumora.exe that it runs and the prefix of
#                              `lumora-disc run` (its own, so that it never meets the tests')
# Environment: DISPLAY (default :93), WINEPREFIX (default build/wineprefix-win32 or -win64),
# SCREEN (default 1024x768x24).
set -eu
source "$(dirname "$0")/wine-setup.sh"
top=$lumora_top
export DISPLAY=${DISPLAY:-:93}
export WINEPREFIX=${WINEPREFIX:-$top/build/wineprefix-$LUMORA_WINE_ARCH}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
screen=${SCREEN:-1024x768x24}
pidfile=$top/build/xvfb${DISPLAY#:}.pid

display_up() { xdpyinfo >/dev/null 2>&1; }

start_xvfb() {
    display_up && return 0
    mkdir -p "$top/build"
    Xvfb "$DISPLAY" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
    echo $! >"$pidfile"
    for _ in $(seq 100); do display_up && return 0; sleep 0.05; done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

make_prefix() {
    [ -f "$WINEPREFIX/.lumora-ready" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i </dev/null >/dev/null 2>&1 || true
    # A virtual desktop the size of the X screen: no window manager stalls, and Win32 screen
    # coordinates are X root coordinates.
    local size=${screen%x*}
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f </dev/null >/dev/null 2>&1
    wineserver -k || true
    wineserver -w || true
    touch "$WINEPREFIX/.lumora-ready"
}

warm_server() {
    # A detached server, so that harnesses that pipe Wine's output do not wait for its helpers.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

case "${1:-up}" in
where)
    printf '%s\n' "$LUMORA_WINE_ARCH" "$LUMORA_WIN_BUILD" "$top/build/wineprefix-run-$LUMORA_WINE_ARCH"
    ;;
prefix)
    make_prefix
    ;;
up)
    start_xvfb
    make_prefix
    warm_server
    ;;
down)
    wineserver -k 2>/dev/null || true
    if [ -f "$pidfile" ]; then
        kill "$(cat "$pidfile")" 2>/dev/null || true
        rm -f "$pidfile"
    fi
    ;;
*)
    echo "usage: $0 up|down|prefix|where" >&2
    exit 2
    ;;
esac
