#!/usr/bin/env bash
# demo.sh: installs what is missing, builds veltrane.dll and the demo controller, and runs the
# demo under Wine: the controller installs the hook, a probe window in a process of its own gets
# subclassed, and the controller prints what it observed (exit status 0 when all was as expected).
# The shipped 32-bit DLL is always built; the demo runs the build that this machine's Wine can
# run (the 64-bit one where the kernel cannot run 32-bit programs).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
jobs=$(nproc)

configure() {  # configure DIR TOOLCHAIN
  cmake -S "$top" -B "$1" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$2" >/dev/null
}
configure "$top/build/win32" toolchain-mingw-i686.cmake
cmake --build "$top/build/win32" --target veltrane -j "$jobs"
echo "demo: shipped module $top/build/win32/src/veltrane.dll"

arch=$(bash "$top/scripts/wine-arch.sh")
dir="$top/build/win32"
if [ "$arch" = 64 ]; then
  dir="$top/build/win64"
  configure "$dir" toolchain-mingw-x86_64.cmake
fi
cmake --build "$dir" --target vtcontroller -j "$jobs"

echo "demo: running under wine$arch"
# Wine's virtual desktop returns 0 whatever runs inside it: the verdict is the controller's own
# closing line.
out=$(mktemp /tmp/vt-demo.XXXXXX)
trap 'rm -f "$out"' EXIT
bash "$top/scripts/wine-run.sh" --arch "$arch" --desktop --timeout 120 \
     "$dir/tools/controller/vtcontroller.exe" demo | tee "$out"
tr -d '\r' < "$out" | grep -qx 'demo passed'
