#!/bin/sh
# Runs a Windows program under Wine with the project's test defaults (CTest's emulator).
: "${WINEPREFIX:=$(cd "$(dirname "$0")/.." && pwd)/build/wineprefix}"
: "${WINEDEBUG:=-all}"
: "${DISPLAY:=:93}"
: "${WINEDLLOVERRIDES:=mscoree,mshtml=}"
export WINEPREFIX WINEDEBUG DISPLAY WINEDLLOVERRIDES WINEARCH=win32
exec wine "$@"
