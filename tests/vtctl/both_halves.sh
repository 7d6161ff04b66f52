#!/usr/bin/env bash
# both_halves.sh TEST.EXE VTCTL32-DIR VTPROBE32 WIN64-TREE: lays out x86\ and x64\ as the package
# does (module, vtctl and the probe in each), then runs TEST.EXE in a Wine prefix of its own that
# runs both bitnesses (a win64 prefix with wine32), inside a virtual desktop. Exit 77 (skipped)
# where this kernel cannot run 32-bit programs.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
exe=$1 dir32=$2 probe32=$3 tree64=$4
if [ "$(bash "$top/scripts/wine-arch.sh")" != 32 ]; then
  echo "both_halves: skipped: this kernel cannot run 32-bit programs, so no prefix runs both halves"
  exit 77
fi
if [ ! -f "$tree64/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$tree64" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
fi
cmake --build "$tree64" -j 2 --target veltrane vtctl vtprobe >/dev/null
pkg=$(mktemp -d /tmp/vt-both.XXXXXX)
trap 'rm -rf "$pkg"' EXIT
mkdir -p "$pkg/x86" "$pkg/x64"
cp "$dir32/veltrane.dll" "$dir32/vtctl.exe" "$probe32" "$pkg/x86/"
cp "$tree64/src/veltrane.dll" "$tree64/tools/vtctl/vtctl.exe" "$tree64/tools/controller/vtprobe.exe" "$pkg/x64/"
export VT_WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/both"
export VT_PACKAGE="Z:$(echo "$pkg" | sed 's|/|\\|g')"
bash "$top/scripts/wine-run.sh" --arch 64 --desktop --timeout 300 --gtest-xml "$PWD/both_halves.xml" "$exe"
