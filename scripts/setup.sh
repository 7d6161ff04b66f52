#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine (run as root).
# Safe to run again: it only installs what is missing.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt_update_needed=1
fi

for p in cmake g++ make googletest libgtest-dev g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix \
         wine wine32:i386 xvfb xauth x11-utils imagemagick gforth python3; do
  have "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ] || [ -n "${apt_update_needed:-}" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  if [ ${#need[@]} -gt 0 ]; then
    echo "setup: installing ${need[*]}"
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
  fi
fi
echo "setup: all packages present"
