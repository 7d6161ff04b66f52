#!/usr/bin/env bash
# demo.sh: installs what is missing, builds the module, vtctl and the demo's driver, and shows
# what a user sees, inside a Wine virtual desktop on Xvfb: programs that ship with Wine skinned by
# `vtctl start`, switched live between the sample themes, hovered, pressed, with a menu open, and
# given their own frames back by `vtctl stop`; then, where 32-bit programs run, the product as a
# user installs it (veltrane-setup.exe /S, the picker, a 64-bit and a 32-bit Notepad skinned side by
# side, a pin made in the picker reaching both, the uninstaller giving every frame back). The
# screenshots go to out/ as PNG files, with out/index.html showing them all; the verdict is the
# driver's, taken from the programs themselves.
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

# The product as a user installs it: the setup program, the picker and both bitnesses at once, in a
# fresh prefix of its own that runs both (a win64 prefix with wine32: only where this machine runs
# 32-bit programs, as the setup program and the 32-bit half are such programs).
tour_log=
if [ "$arch" = 32 ]; then
  bash "$top/scripts/package.sh" >/dev/null
  echo "demo: setup program $top/dist/veltrane-setup.exe"
  tour_prefix="${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/demo-both"
  rm -rf "$tour_prefix"
  echo "demo: the product tour, under wine64 with wine32 in a fresh prefix"
  VT_WINEPREFIX="$tour_prefix" bash "$top/scripts/wine-run.sh" --arch 64 --desktop --timeout 300 \
       "$dir/tools/demo/vtdemo.exe" --tour "$(win "$top/dist/veltrane-setup.exe")" "$(win "$out")" >/dev/null || true
  tour_log="$out/tour.log"
  [ -f "$tour_log" ] || echo "tour FAILED: the driver wrote no log" > "$tour_log"
fi

# Wine's virtual desktop returns 0 whatever runs inside it: the verdicts are the driver's own last
# lines, from its logs.
[ -f "$out/demo.log" ] || { echo "demo FAILED: the driver wrote no log" >&2; exit 1; }
tr -d '\r' < "$out/demo.log"
[ -n "$tour_log" ] && tr -d '\r' < "$tour_log"
{
  echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Veltrane demo</title>'
  echo '<style>body{font-family:sans-serif;margin:2em}figure{margin:0 0 2em}img{border:1px solid #888;max-width:100%}</style>'
  echo '</head><body><h1>Veltrane demo</h1>'
} > "$out/index.html"
figures() {  # figures SHOTS-FILE: each screenshot as PNG and a figure of the page
  while IFS='|' read -r name caption; do
    [ -n "$name" ] || continue
    convert "$out/$name.bmp" "$out/$name.png" && rm -f "$out/$name.bmp"
    echo "demo: $out/$name.png"
    printf '<figure><img src="%s.png" alt="%s"><figcaption>%s</figcaption></figure>\n' "$name" "$caption" "$caption" >> "$out/index.html"
  done < <(tr -d '\r' < "$1")
}
figures "$out/shots.txt"
verdict=$(tr -d '\r' < "$out/demo.log" | tail -n 1)
if [ -n "$tour_log" ]; then
  echo '<h2>Installed with veltrane-setup.exe: the picker and both bitnesses</h2>' >> "$out/index.html"
  [ -f "$out/tour-shots.txt" ] && figures "$out/tour-shots.txt"
  tour=$(tr -d '\r' < "$tour_log" | tail -n 1)
  if [ "$verdict" = "demo passed" ] && [ "$tour" != "tour passed" ]; then verdict="demo FAILED: $tour"; fi
else
  echo "demo: the product tour needs 32-bit programs, which this kernel cannot run: skipped"
fi
printf '<p><strong>%s</strong></p></body></html>\n' "$verdict" >> "$out/index.html"
echo "demo: $out/index.html"
echo "$verdict"
[ "$verdict" = "demo passed" ]
