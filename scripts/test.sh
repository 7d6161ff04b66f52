#!/usr/bin/env bash
# test.sh: installs what is missing, builds every tree and runs all tests: the native ones, a
# short fuzzing run of each libFuzzer target, and
# the Win32 ones under Wine (on the 32-bit build, or on the 64-bit build where this machine
# cannot run 32-bit programs; the 32-bit DLL's static checks run in any case).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
bash "$top/scripts/build.sh" all
arch=$(bash "$top/scripts/wine-arch.sh")
status=0
echo "== native tests"
ctest --test-dir "$top/build/native" --output-on-failure -j 2 --timeout 900 || status=1
# The readers of untrusted input and the script engine, fuzzed briefly: a crash, leak, timeout
# or runaway allocation fails the run (scripts/fuzz.sh SECONDS runs them longer).
echo "== fuzzing (20 s a target)"
bash "$top/scripts/fuzz.sh" 20 || status=1
if [ "$arch" = 32 ]; then
  echo "== Win32 tests (32-bit build) under wine32"
  ctest --test-dir "$top/build/win32" --output-on-failure || status=1
else
  echo "== static checks of the 32-bit build"
  ctest --test-dir "$top/build/win32" --output-on-failure -LE wine --no-tests=ignore || status=1
  echo "== Win32 tests (64-bit build) under wine64: this kernel cannot run 32-bit programs"
  ctest --test-dir "$top/build/win64" --output-on-failure || status=1
fi
exit $status
