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

# Figure 1 again at 200 %: the bench prefix's screen at 192 DPI (LogPixels, read as a program
# starts), a desktop large enough for a 2048x1536 window; the value is removed afterwards.
reg() { bash "$top/scripts/wine-run.sh" --arch 64 --console --timeout 60 reg "$@" >/dev/null 2>&1; }
trap 'rm -f "$out"; reg delete "HKCU\\Control Panel\\Desktop" /v LogPixels /f' EXIT
reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d 192 /f
VT_DESKTOP_SIZE=2560x1600 bash "$top/scripts/wine-run.sh" --arch 64 --desktop --timeout 900 \
     "$dir/bench/frame/frame_bench.exe" --rounds "${1:-15}" --scaled 1 --out "$win_out" >/dev/null || rc=$?
sed -n '2,7p' "$out"
grep -q '^frame_bench: done' "$out" || { echo "frame_bench: no complete report at 200 % (rc ${rc:-0})" >&2; exit 1; }
