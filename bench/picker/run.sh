#!/usr/bin/env bash
# run.sh [COUNT]: the theme picker's time from its start to all previews painted, for COUNT themes
# (default 20: copies of the sample themes, native, shaped and kwm), under Wine in a desktop.
# Prints the picker's own figure (loading and painting every preview, and filling the list) and
# the wall time from starting the program until its report was written.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
count=${1:-20}
arch=$(bash "$top/scripts/wine-arch.sh")
tree="$top/build/win$arch"
[ "$arch" = 64 ] && tree="$top/build/win64"
[ "$arch" = 32 ] && tree="$top/build/win32"
cmake -S "$top" -B "$tree" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-$([ "$arch" = 32 ] && echo i686 || echo x86_64).cmake" >/dev/null
cmake --build "$tree" -j 2 --target vtthemes >/dev/null
work=$(mktemp -d /tmp/vt-picker-bench.XXXXXX)
state="$work/session.env"
export VT_WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/picker-bench$arch"
trap 'bash "$top/scripts/wine-session.sh" stop "$state"; rm -rf "$work"' EXIT
samples=(harbor pebble birch)
for i in $(seq 1 "$count"); do
  s=${samples[$(( (i - 1) % 3 ))]}
  cp -r "$top/themes/$s" "$work/themes-$i-$s"
done
mkdir -p "$work/themes" && mv "$work"/themes-* "$work/themes/"
win() { printf 'Z:%s' "$(echo "$1" | sed 's|/|\\|g')"; }
bash "$top/scripts/wine-session.sh" start "$state" "$arch" >/dev/null
. "$state"
export DISPLAY=$VT_DISPLAY VT_WINE_ARCH=$arch
. "$top/scripts/wine-env.sh"
start=$(date +%s.%N)
timeout -k 5 120 "$WINELOADER" explorer /desktop=bench,1024x768 "$tree/tools/picker/vtthemes.exe" \
        --themes "$(win "$work/themes")" --report "$(win "$work/report.txt")" </dev/null >/dev/null 2>&1 &
until [ -s "$work/report.txt" ]; do sleep 0.05; done
wall=$(python3 -c "print(round($(date +%s.%N) - $start, 2))")
read -r _ n _ ms _ since < "$work/report.txt"
echo "picker: $n themes: previews loaded, painted and listed in $ms ms; $since ms from the process's start (picker's own clocks); $wall s from starting Wine's desktop and the program"
timeout 20 "$WINELOADER" "$tree/tools/picker/vtthemes.exe" --exit </dev/null >/dev/null 2>&1 || true
