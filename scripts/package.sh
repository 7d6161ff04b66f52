#!/usr/bin/env bash
# package.sh [DIST]: the package a user installs, in DIST (default dist/):
#   x86/  veltrane.dll and vtctl.exe for 32-bit programs, and the theme picker vtthemes.exe
#   x64/  veltrane.dll and vtctl.exe for 64-bit programs (a module is only mapped into programs
#         of its own bitness)
#   themes/ the sample themes, when there are any; README.txt
#   veltrane-setup.exe: the setup program (NSIS) that installs all of the above
# Release builds, stripped; their debug information is kept apart in DIST-symbols/ (each
# stripped file names its .debug file through a debug link, for a debugger that finds it).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dist=${1:-$top/dist}
symbols="${dist%/}-symbols"
jobs=$(nproc)

build() {  # build DIR TOOLCHAIN TARGET... (each step with a time limit, VT_BUILD_TIMEOUT seconds)
  local dir=$1 tc=$2; shift 2
  timeout -k 30 600 cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$tc" >/dev/null
  timeout -k 30 "${VT_BUILD_TIMEOUT:-3600}" cmake --build "$dir" -j "$jobs" --target "$@"
}
build "$top/build/win32" toolchain-mingw-i686.cmake veltrane vtctl vtthemes
build "$top/build/win64" toolchain-mingw-x86_64.cmake veltrane vtctl

rm -rf "$dist" "$symbols"
half() {  # half FOLDER TREE TRIPLET [EXTRA-FILE...]
  local out="$dist/$1" sym="$symbols/$1" tree=$2 triplet=$3 file
  shift 3
  mkdir -p "$out" "$sym"
  for file in "$tree/src/veltrane.dll" "$tree/tools/vtctl/vtctl.exe" "$@"; do
    local name; name=$(basename "$file")
    "$triplet-objcopy" --only-keep-debug "$file" "$sym/$name.debug"
    "$triplet-objcopy" --strip-all --add-gnu-debuglink="$sym/$name.debug" "$file" "$out/$name"
  done
}
half x86 "$top/build/win32" i686-w64-mingw32 "$top/build/win32/tools/picker/vtthemes.exe"
half x64 "$top/build/win64" x86_64-w64-mingw32
[ -d "$top/themes" ] && cp -r "$top/themes" "$dist/themes"

cat > "$dist/README.txt" <<'TXT'
Veltrane: window skinning for Windows

x86\  veltrane.dll and vtctl.exe for 32-bit programs, and vtthemes.exe (Veltrane Themes)
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

themes.cfg and exclude.cfg live beside each module; pin, unpin, exclude and include write both
folders' copies at once, so one setting reaches 32-bit and 64-bit programs alike.

Veltrane Themes (x86\vtthemes.exe, in the Start menu after setup) shows the themes with
previews, applies one, starts and stops Veltrane, and keeps pins and exclusions; with --tray it
starts Veltrane and sits in the notification area (setup runs it so at logon).
TXT

size() { stat -c %s "$1"; }
for h in x86 x64; do
  echo "package: $h/veltrane.dll $(size "$dist/$h/veltrane.dll") bytes stripped (debug information $(size "$symbols/$h/veltrane.dll.debug") bytes, in $symbols/$h)"
  echo "package: $h/vtctl.exe $(size "$dist/$h/vtctl.exe") bytes stripped"
done
echo "package: $dist"

# The setup program: everything above, installed per user.
setup="$dist/veltrane-setup.exe"
start=$(date +%s.%N)
makensis -V2 -DDIST="$dist" -DOUT="$setup" -DVERSION=0.1 "$top/tools/setup/veltrane.nsi" >/dev/null
echo "package: $setup $(size "$setup") bytes (made in $(python3 -c "print(round($(date +%s.%N) - $start, 1))") s)"
