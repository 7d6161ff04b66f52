#!/usr/bin/env bash
# build.sh [native|win32|all]: configures and builds the native tree (build/native) and/or the
# cross tree for 32-bit Windows (build/win32, holding veltrane.dll and the Win32 test programs).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-all}
jobs=$(nproc)
if [ "$what" = native ] || [ "$what" = all ]; then
  cmake -S "$top" -B "$top/build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$top/build/native" -j "$jobs"
fi
if [ "$what" = win32 ] || [ "$what" = all ]; then
  cmake -S "$top" -B "$top/build/win32" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-i686.cmake" >/dev/null
  cmake --build "$top/build/win32" -j "$jobs"
fi
