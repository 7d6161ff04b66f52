#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine (run as root).
# Safe to run again: it only installs what is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export DEBIAN_FRONTEND=noninteractive

# Every apt-get has a time limit, and waits a bounded time for another installation's lock.
apt() { timeout -k 30 "${VT_APT_TIMEOUT:-1800}" apt-get -o DPkg::Lock::Timeout=600 "$@"; }

have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
updated=
install() {
  local need=() p
  for p in "$@"; do have "$p" || need+=("$p"); done
  [ ${#need[@]} -eq 0 ] && return 0
  [ -n "$updated" ] || { apt update -qq; updated=1; }
  echo "setup: installing ${need[*]}"
  apt install -y -qq --no-install-recommends "${need[@]}" >/dev/null ||
    { echo "setup: installing ${need[*]} failed or ran out of time" >&2; return 1; }
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt update -qq; updated=1
fi

install cmake g++ make ccache python3 googletest libgtest-dev \
        gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix \
        gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix \
        wine wine64 xvfb xauth x11-utils imagemagick gforth libc6:i386 \
        zlib1g-dev libz-mingw-w64-dev \
        xfwm4 greybird-gtk-theme xfconf dbus-bin icewm-common \
        nsis \
        clang-14 libclang-rt-14-dev   # scripts/fuzz.sh: clang 14, libFuzzer and the sanitizer runtimes
# nsis: makensis builds the setup program (scripts/package.sh). zlib: static, for the PNG reader.
# xfconf and dbus-bin: xfwm4 itself for scripts/compare-xfwm4.sh.
# xfwm4 and greybird-gtk-theme: real xfwm4 themes that the import tests load from
# /usr/share/themes; icewm-common: real IceWM themes, loaded from /usr/share/icewm/themes
# (never copied into the repo).

# wine32 only where the kernel runs 32-bit programs; elsewhere the Wine tests use wine64.
if [ "$(bash "$here/wine-arch.sh")" = 32 ]; then
  install wine32:i386
else
  echo "setup: this kernel cannot run 32-bit Linux programs; Win32 tests will run on the 64-bit build under wine64"
fi
echo "setup: all packages present"
