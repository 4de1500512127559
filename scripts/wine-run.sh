#!/bin/bash
# Runs a Windows program under Wine with the project's test defaults (CTest's emulator).
source "$(dirname "$0")/wine-setup.sh"
: "${WINEPREFIX:=$lumora_top/build/wineprefix-$LUMORA_WINE_ARCH}"
: "${WINEDEBUG:=-all}"
: "${DISPLAY:=:93}"
: "${WINEDLLOVERRIDES:=mscoree,mshtml=}"
export WINEPREFIX WINEDEBUG DISPLAY WINEDLLOVERRIDES
exec wine "$@"
