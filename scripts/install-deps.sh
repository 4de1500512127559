#!/bin/bash
# Installs the Debian packages that building and testing Lumora need (run as root on Debian 12).
# Does nothing when they are all present already.
set -eu
packages=(cmake ninja-build make g++ clang libclang-rt-14-dev googletest libbenchmark-dev
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32:i386 wine64 xvfb xdotool x11-utils x11-apps
          imagemagick libstb-dev xorriso libx11-dev libxfixes-dev clang-format
          chromium chromium-driver python3-selenium g++-multilib qemu-user
          wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32 libclang-rt-14-dev-wasm32 lld-14)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO dpkg --add-architecture i386
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
