#!/usr/bin/env bash
# test.sh: installs what is missing, builds both trees and runs every test (native and under Wine).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
bash "$top/scripts/build.sh" all
status=0
echo "== native tests"
ctest --test-dir "$top/build/native" --output-on-failure -j 2 || status=1
echo "== Win32 tests under Wine"
ctest --test-dir "$top/build/win32" --output-on-failure || status=1
exit $status
