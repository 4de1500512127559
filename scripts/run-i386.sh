#!/bin/bash
# Runs a 32-bit Linux program (i686): directly where the kernel runs 32-bit code, else under
# qemu-i386 (Debian's qemu-user). LeakSanitizer stops the world with ptrace, which qemu-user does
# not offer: under it leaks are left to the 64-bit runs, every other sanitizer check stays on.
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    exec "$@"
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
# AddressSanitizer's 32-bit layout ends user memory at 3 GB, as a 32-bit kernel does; qemu would
# otherwise map above it, where the sanitizer's allocator fails its own checks after a while.
export QEMU_RESERVED_VA=${QEMU_RESERVED_VA:-0xc0000000}
exec qemu-i386 "$@"
