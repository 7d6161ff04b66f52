#!/usr/bin/env bash
# demo.sh: installs what is missing, builds the module, vtctl and the demo's driver, and shows
# what a user sees, inside a Wine virtual desktop on Xvfb: programs that ship with Wine skinned by
# `vtctl start`, switched live between the sample themes, hovered, pressed, with a menu open, and
# given their own frames back by `vtctl stop`. The screenshots go to out/ as PNG files, with
# out/index.html showing them all; the verdict is the driver's, taken from the programs themselves.
# The shipped 32-bit DLL is always built; the demo runs the build that this machine's Wine can
# run (the 64-bit one where the kernel cannot run 32-bit programs).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
jobs=$(nproc)

limit=${VT_BUILD_TIMEOUT:-3600}  # seconds for each build step
configure() {  # configure DIR TOOLCHAIN
  timeout -k 30 600 cmake -S "$top" -B "$1" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$2" >/dev/null
}
configure "$top/build/win32" toolchain-mingw-i686.cmake
timeout -k 30 "$limit" cmake --build "$top/build/win32" --target veltrane -j "$jobs" >/dev/null
echo "demo: shipped module $top/build/win32/src/veltrane.dll"

arch=$(bash "$top/scripts/wine-arch.sh")
dir="$top/build/win32"
if [ "$arch" = 64 ]; then
  dir="$top/build/win64"
  configure "$dir" toolchain-mingw-x86_64.cmake
fi
timeout -k 30 "$limit" cmake --build "$dir" --target vtctl vtdemo -j "$jobs" >/dev/null

out="$top/out"
rm -rf "$out"
mkdir -p "$out"
win() { printf 'Z:%s' "$(readlink -f "$1" | sed 's|/|\\|g')"; }
# A Wine prefix of the demo's own, so that it never meets a test session's wineserver.
export VT_WINEPREFIX="${VT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/demo-wine$arch}"
echo "demo: running under wine$arch"
bash "$top/scripts/wine-run.sh" --arch "$arch" --desktop --timeout 300 \
     "$dir/tools/demo/vtdemo.exe" "$(win "$dir/tools/vtctl/vtctl.exe")" "$(win "$out")" \
     "$(win "$top/themes/harbor/harbor.theme")" "$(win "$top/themes/pebble/pebble.theme")" \
     "$(win "$top/themes/birch/themerc")" >/dev/null || true

# Wine's virtual desktop returns 0 whatever runs inside it: the verdict is the driver's own last
# line, from its log.
[ -f "$out/demo.log" ] || { echo "demo FAILED: the driver wrote no log" >&2; exit 1; }
tr -d '\r' < "$out/demo.log"
{
  echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Veltrane demo</title>'
  echo '<style>body{font-family:sans-serif;margin:2em}figure{margin:0 0 2em}img{border:1px solid #888;max-width:100%}</style>'
  echo '</head><body><h1>Veltrane demo</h1>'
} > "$out/index.html"
while IFS='|' read -r name caption; do
  [ -n "$name" ] || continue
  convert "$out/$name.bmp" "$out/$name.png" && rm -f "$out/$name.bmp"
  echo "demo: $out/$name.png"
  printf '<figure><img src="%s.png" alt="%s"><figcaption>%s</figcaption></figure>\n' "$name" "$caption" "$caption" >> "$out/index.html"
done < <(tr -d '\r' < "$out/shots.txt")
verdict=$(tr -d '\r' < "$out/demo.log" | tail -n 1)
printf '<p><strong>%s</strong></p></body></html>\n' "$verdict" >> "$out/index.html"
echo "demo: $out/index.html"
[ "$verdict" = "demo passed" ]
