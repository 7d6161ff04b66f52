#!/usr/bin/env bash
# run.sh [ROUNDS]: builds frame_bench in build/win64 and runs it under wine64 in a virtual desktop,
# printing the frame engine's figures against their references (see FrameBench.cpp).
# The run uses a Wine prefix of its own (made once, then reused; VT_WINEPREFIX overrides it), so
# that stopping its wineserver afterwards never touches a session someone else has running.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
dir="$top/build/win64"
if [ ! -f "$dir/CMakeCache.txt" ]; then bash "$top/scripts/build.sh" win64 >/dev/null; fi
cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
cmake --build "$dir" --target frame_bench -j "$(nproc)" >/dev/null
export VT_WINEPREFIX="${VT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/bench-frame-wine64}"
# The figures are written to a file too and read back from it: a program a Wine desktop starts
# may have nowhere else to print.
out=$(mktemp /tmp/vt-frame-bench.XXXXXX)
trap 'rm -f "$out"' EXIT
win_out="Z:$(printf '%s' "$out" | sed 's|/|\\|g')"
bash "$top/scripts/wine-run.sh" --arch 64 --desktop --timeout 900 \
     "$dir/bench/frame/frame_bench.exe" --rounds "${1:-15}" --out "$win_out" >/dev/null || rc=$?
cat "$out"
grep -q '^frame_bench: done' "$out" || { echo "frame_bench: no complete report (rc ${rc:-0})" >&2; exit 1; }
