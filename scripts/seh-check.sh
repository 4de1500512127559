#!/bin/bash
# Fails when a Wine log (written with WINEDEBUG=warn+seh) shows an exception raised in a program:
# Wine swallows some that would crash Windows (an access violation in a window procedure called
# back from USER, for instance). Only the informational codes are let through: a thread's name
# (406d1388) and debug strings (40010006, 4001000a).
set -u
bad=$(grep -a -E 'warn:seh:.*exception \(code=[0-9a-fA-F]+\) raised|err:seh:' "$@" 2>/dev/null |
    grep -a -v -E 'code=(406d1388|40010006|4001000a)\)' | tr -d '\r')
if [ -n "$bad" ]; then
    echo "seh: exceptions raised under Wine:"
    head -20 <<<"$bad"
    exit 1
fi
exit 0
