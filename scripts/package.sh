#!/usr/bin/env bash
# package.sh [DIST]: the package a user installs, in DIST (default dist/):
#   x86/  veltrane.dll and vtctl.exe for 32-bit programs
#   x64/  the same for 64-bit programs (a module is only mapped into programs of its own bitness)
#   themes/ the sample themes, when there are any; README.txt
# Release builds, stripped; their debug information is kept apart in DIST-symbols/ (each
# stripped file names its .debug file through a debug link, for a debugger that finds it).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dist=${1:-$top/dist}
symbols="${dist%/}-symbols"
jobs=$(nproc)

build() {  # build DIR TOOLCHAIN (each step with a time limit, VT_BUILD_TIMEOUT seconds)
  timeout -k 30 600 cmake -S "$top" -B "$1" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$2" >/dev/null
  timeout -k 30 "${VT_BUILD_TIMEOUT:-3600}" cmake --build "$1" -j "$jobs" --target veltrane vtctl
}
build "$top/build/win32" toolchain-mingw-i686.cmake
build "$top/build/win64" toolchain-mingw-x86_64.cmake

rm -rf "$dist" "$symbols"
half() {  # half FOLDER TREE TRIPLET
  local out="$dist/$1" sym="$symbols/$1" tree=$2 triplet=$3 file
  mkdir -p "$out" "$sym"
  for file in "$tree/src/veltrane.dll" "$tree/tools/vtctl/vtctl.exe"; do
    local name; name=$(basename "$file")
    "$triplet-objcopy" --only-keep-debug "$file" "$sym/$name.debug"
    "$triplet-objcopy" --strip-all --add-gnu-debuglink="$sym/$name.debug" "$file" "$out/$name"
  done
}
half x86 "$top/build/win32" i686-w64-mingw32
half x64 "$top/build/win64" x86_64-w64-mingw32
[ -d "$top/themes" ] && cp -r "$top/themes" "$dist/themes"

cat > "$dist/README.txt" <<'TXT'
Veltrane: window skinning for Windows

x86\  veltrane.dll and vtctl.exe for 32-bit programs
x64\  veltrane.dll and vtctl.exe for 64-bit programs

A 32-bit module is only mapped into 32-bit programs and a 64-bit one into 64-bit programs.
Start either vtctl.exe: it starts its partner in the other folder, and `vtctl stop` stops both.

  vtctl start [--theme PATH] [--tick MS]   skin programs until vtctl stop (or Ctrl+C, logoff)
  vtctl stop                               every window gets its own frame back
  vtctl status                             running or not, theme, module and bitness
  vtctl theme PATH | --none                check a theme, then switch every program to it live
  vtctl pin PROGRAM.EXE PATH / unpin PROGRAM.EXE        a theme of its own for one program
  vtctl exclude --module NAME | --class NAME | --nonested NAME | --nosizefixups NAME
  vtctl include (same options)             keep programs or window classes out, or take them back
  vtctl identify HWND | --at X,Y           the program that owns a window
  vtctl info                               the [INFO] text of the current theme
  vtctl --help                             all options and exit codes

themes.cfg and exclude.cfg live beside each module; pin and exclude write the folder of the
vtctl.exe you run, so run them for each bitness whose programs they concern.
TXT

size() { stat -c %s "$1"; }
for h in x86 x64; do
  echo "package: $h/veltrane.dll $(size "$dist/$h/veltrane.dll") bytes stripped (debug information $(size "$symbols/$h/veltrane.dll.debug") bytes, in $symbols/$h)"
  echo "package: $h/vtctl.exe $(size "$dist/$h/vtctl.exe") bytes stripped"
done
echo "package: $dist"
