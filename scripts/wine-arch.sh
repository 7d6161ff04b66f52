#!/usr/bin/env bash
# Prints 32 when this machine can run 32-bit Linux programs (and so wine32), else 64.
# Some kernels are booted with 32-bit emulation switched off; Wine tests then run on the
# 64-bit build of the same sources under wine64.
if [ -x /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then echo 32; else echo 64; fi
