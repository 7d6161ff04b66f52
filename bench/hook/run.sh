#!/usr/bin/env bash
# run.sh [ROUNDS] [MESSAGES]: builds hook_bench for the Wine this machine runs and prints the
# round-trip rates and their ratio (veltrane.dll's subclassed window vs a pass-through hook).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
arch=$(bash "$top/scripts/wine-arch.sh")
if [ "$arch" = 64 ]; then dir="$top/build/win64"; toolchain=toolchain-mingw-x86_64.cmake
else dir="$top/build/win32"; toolchain=toolchain-mingw-i686.cmake; fi
cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$toolchain" >/dev/null
cmake --build "$dir" --target hook_bench -j "$(nproc)" >/dev/null
bash "$top/scripts/wine-run.sh" --arch "$arch" --desktop --timeout 600 \
     "$dir/bench/hook/hook_bench.exe" --rounds "${1:-21}" --messages "${2:-300}"
