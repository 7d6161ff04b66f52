#!/usr/bin/env bash
# build.sh [native|win32|win64|all]
#   native: the portable core, its tests and the console tools (build/native)
#   win32:  veltrane.dll for 32-bit Windows, the tools and the Win32 test programs (build/win32)
#   win64:  the same sources for 64-bit Windows (build/win64), used for the Wine tests on machines
#           that cannot run 32-bit programs
#   all:    native and win32 (with win64's module, vtctl and probe for the tests of both halves);
#           where this machine cannot run 32-bit programs, the win32 tree builds only what ships
#           and win64 is built for the Wine tests
# Each configure and build has a time limit (VT_BUILD_TIMEOUT seconds, default 3600).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-all}
jobs=$(nproc)
export CCACHE_BASEDIR=$top CCACHE_NOHASHDIR=1
tree() {  # tree NAME TOOLCHAIN|- [TARGET...]
  local name=$1 dir="$top/build/$1" tc=$2; shift 2
  local args=(-DCMAKE_BUILD_TYPE=Release) targets=()
  [ "$tc" != - ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$top/cmake/$tc")
  # ccache, where installed, with paths taken relative to the checkout, so that a rebuild, a clean
  # clone or a second worktree of the same sources compiles only what differs.
  command -v ccache >/dev/null && args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  [ $# -gt 0 ] && targets=(--target "$@")
  local limit=${VT_BUILD_TIMEOUT:-3600}
  timeout -k 30 600 cmake -S "$top" -B "$dir" "${args[@]}" >/dev/null ||
    { echo "build: configuring $name failed or ran out of time" >&2; return 1; }
  timeout -k 30 "$limit" cmake --build "$dir" -j "$jobs" "${targets[@]}" ||
    { echo "build: building $name failed or ran out of time (${limit}s)" >&2; return 1; }
}
# What ships (and what its static checks need) when the 32-bit tree's tests cannot run here.
shipped=(veltrane vtcontroller vtprobe vtforth vttheme vtctl vtthemes)
case "$what" in
  native) tree native - ;;
  win32) tree win32 toolchain-mingw-i686.cmake ;;
  win64) tree win64 toolchain-mingw-x86_64.cmake ;;
  all)
    tree native -
    if [ "$(bash "$top/scripts/wine-arch.sh")" = 64 ]; then
      tree win32 toolchain-mingw-i686.cmake "${shipped[@]}"
      tree win64 toolchain-mingw-x86_64.cmake
    else
      tree win32 toolchain-mingw-i686.cmake
      # The 64-bit half, for the package and the tests that run both halves together.
      tree win64 toolchain-mingw-x86_64.cmake veltrane vtctl vtprobe
    fi
    ;;
  *) echo "usage: $0 [native|win32|win64|all]" >&2; exit 2 ;;
esac
