# Sourced by every script that runs Windows programs: chooses the Wine this machine can run.
# Where the kernel runs 32-bit programs, the tests run lumora.exe as it ships (i686, build/win) in
# a win32 prefix. Where it runs only 64-bit code (IA-32 emulation off), they run a 64-bit build of
# the same sources (build/win64) under wine64 in a win64 prefix; build/win is still built and checked.
lumora_top=$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)
if [ -z "${LUMORA_WINE_ARCH:-}" ]; then
    if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
        LUMORA_WINE_ARCH=win32
    else
        LUMORA_WINE_ARCH=win64
    fi
fi
export LUMORA_WINE_ARCH WINEARCH=$LUMORA_WINE_ARCH
if [ "$LUMORA_WINE_ARCH" = win64 ]; then
    case ":$PATH:" in *":$lumora_top/scripts/wine64:"*) ;; *) PATH=$lumora_top/scripts/wine64:$PATH ;; esac
    export PATH
    export LUMORA_WIN_BUILD=${LUMORA_WIN_BUILD:-$lumora_top/build/win64}
    export LUMORA_MINGW_TRIPLE=x86_64-w64-mingw32
else
    export LUMORA_WIN_BUILD=${LUMORA_WIN_BUILD:-$lumora_top/build/win}
    export LUMORA_MINGW_TRIPLE=i686-w64-mingw32
fi
