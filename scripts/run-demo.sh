#!/bin/bash
# Shows the demo disc in Lumora under Wine: on $DISPLAY when there is one, else on a virtual
# display that is kept up while the program runs (watch it with a VNC viewer or screenshots).
set -eu
source "$(dirname "$0")/wine-setup.sh"
top=$lumora_top
disc=$top/build/demo-disc
rm -rf "$disc"
mkdir -p "$disc"
cp -r "$top"/demo/disc/. "$disc"/
# The product itself, or its 64-bit build on a machine that runs no 32-bit programs.
cp "$LUMORA_WIN_BUILD/lumora.exe" "$disc/"
[ -f "$LUMORA_WIN_BUILD/demo/LNCHHLP.EXE" ] && cp "$LUMORA_WIN_BUILD/demo/"*.EXE "$disc/"

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    export DISPLAY=:94
    echo "No display: Lumora runs on the virtual display $DISPLAY."
fi
"$top/scripts/wine-env.sh" up
# Without a sound card the audio drivers only print errors: leave them out (sounds are silent).
[ -e /dev/snd ] || export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv="
cd "$disc"
echo "Starting Lumora on the demo disc in $disc (close its window to end)."
exec "$top/scripts/wine-run.sh" "$disc/lumora.exe"
