#!/usr/bin/env bash
# run.sh [ROUNDS] [32|64 ...]: what every skinned program pays, per bitness (both where this machine
# runs 32-bit programs, else 64). In one Wine session of its own: Notepad started unskinned, then
# footprint_start (the module's load and start time in a new program, per theme), then `vtctl start`
# and Notepad started again under each theme (harbor, pebble, and the installed xfwm4 theme Greybird
# and IceWM theme CrystalBlue where their packages are there). Each Notepad's private resident
# memory is RssAnon of its Wine process, read once it has settled; the figure is skinned minus
# unskinned, medians of ROUNDS (default 3) Notepads each.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
rounds=${1:-3}; shift || true
archs=("$@")
if [ ${#archs[@]} -eq 0 ]; then
  if [ "$(bash "$top/scripts/wine-arch.sh")" = 32 ]; then archs=(32 64); else archs=(64); fi
fi
themes=("harbor=$top/themes/harbor/harbor.theme" "pebble=$top/themes/pebble/pebble.theme")
[ -f /usr/share/themes/Greybird/xfwm4/themerc ] && themes+=("Greybird=/usr/share/themes/Greybird/xfwm4/themerc")
[ -f /usr/share/icewm/themes/CrystalBlue/default.theme ] && themes+=("CrystalBlue=/usr/share/icewm/themes/CrystalBlue/default.theme")
win() { printf 'Z:%s' "$(readlink -f "$1" | sed 's|/|\\|g')"; }
export CCACHE_BASEDIR=$top CCACHE_NOHASHDIR=1

# The Notepads of this session's prefix that are not in the list given.
notepads() {
  local p
  for p in /proc/[0-9]*; do
    # (whole files read: with pipefail, a reader that stops early would fail the pipe)
    { tr '\0' '\n' <"$p/cmdline" | sed -n 1p | grep -iE '(^|\\)notepad\.exe *$'; } >/dev/null 2>&1 || continue
    { tr '\0' '\n' <"$p/environ" | grep -x "WINEPREFIX=$WINEPREFIX"; } >/dev/null 2>&1 || continue
    case " $1 " in *" ${p#/proc/} "*) ;; *) echo "${p#/proc/}" ;; esac
  done
}
rss() { sed -n 's/^RssAnon:[[:space:]]*\([0-9]*\).*/\1/p' "/proc/$1/status" 2>/dev/null; }

# Starts a Notepad, prints its RssAnon (KiB) once three readings half a second apart agree within
# 16 KiB (at most 20 s), and ends it.
measure_notepad() {
  local before pid= last=-1000 steady=0 now
  before=$(notepads "" | tr '\n' ' ')
  "$WINELOADER" explorer /desktop=vtfp,1024x768 notepad.exe </dev/null >/dev/null 2>&1 &
  for _ in $(seq 1 40); do
    sleep 0.5
    [ -z "$pid" ] && pid=$(notepads "$before" | head -1)
    [ -z "$pid" ] && continue
    now=$(rss "$pid"); [ -z "$now" ] && continue
    if [ $((now - last)) -le 16 ] && [ $((last - now)) -le 16 ]; then steady=$((steady + 1)); else steady=0; fi
    last=$now
    [ $steady -ge 2 ] && break
  done
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  sleep 0.5
  echo "${last}"
}
# footprint_start under one theme: after each step (before, load, start) it waits for OUT.N while
# its RssAnon is read here.
measure_start() {
  local name=$1 path=$2 pid= last=0 n now line
  rm -f "$out" "$out".*
  "$WINELOADER" "$dir/bench/footprint/footprint_start.exe" "$(win "$dll")" "$(win "$path")" "$(win "$out")" \
    </dev/null >/dev/null 2>&1 &
  pid=$!  # the loader becomes the program's process
  for n in 1 2 3; do
    for _ in $(seq 1 600); do [ "$(grep -c ' ms ' "$out" 2>/dev/null || true)" -ge $n ] 2>/dev/null && break; sleep 0.05; done
    now=$(rss "$pid"); line=$(grep ' ms ' "$out" 2>/dev/null | sed -n "${n}p")
    [ $n -gt 1 ] && printf '  %-12s module %s  RssAnon %+6d KiB\n' "$name" "$line" $((now - last))
    last=${now:-0}
    touch "$out.$n"
  done
  wait "$pid" 2>/dev/null || true
  grep -q '^footprint_start: done' "$out" 2>/dev/null || echo "footprint_start: no report for $name" >&2
  rm -f "$out".*
}
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for arch in "${archs[@]}"; do
  dir="$top/build/win$arch"
  tc=toolchain-mingw-i686.cmake; [ "$arch" = 64 ] && tc=toolchain-mingw-x86_64.cmake
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/$tc" >/dev/null
  fi
  cmake --build "$dir" --target veltrane vtctl footprint_start -j "$(nproc)" >/dev/null
  # The module as it ships: stripped (debug sections would be mapped with the image), vtctl beside it.
  kit=$(mktemp -d /tmp/vt-footprint-kit.XXXXXX)
  cp "$dir/tools/vtctl/vtctl.exe" "$kit/"
  triple=i686-w64-mingw32; [ "$arch" = 64 ] && triple=x86_64-w64-mingw32
  "$triple-strip" -o "$kit/veltrane.dll" "$dir/src/veltrane.dll"
  vtctl="$kit/vtctl.exe" dll="$kit/veltrane.dll"
  state=$(mktemp /tmp/vt-footprint.XXXXXX)
  out=$(mktemp /tmp/vt-footprint-out.XXXXXX)
  VT_WINEPREFIX="${VT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/bench-footprint-wine$arch}" \
    bash "$top/scripts/wine-session.sh" start "$state" "$arch" >/dev/null
  (
    . "$state"
    VT_WINE_ARCH=$arch; . "$top/scripts/wine-env.sh"
    export WINEPREFIX=$VT_SESSION_PREFIX DISPLAY=$VT_DISPLAY
    trap 'bash "$top/scripts/wine-session.sh" stop "$state"; rm -f "$out"' EXIT
    # The desktop stays up between the Notepads.
    "$WINELOADER" explorer /desktop=vtfp,1024x768 </dev/null >/dev/null 2>&1 &
    sleep 2
    plain=()
    for _ in $(seq 1 "$rounds"); do plain+=("$(measure_notepad)"); done
    base=$(median "${plain[@]}")
    echo "footprint under wine$arch: $(stat -c %s "$dll") bytes of module; Notepad unskinned RssAnon $base KiB (${plain[*]})"
    for entry in "${themes[@]}"; do
      name=${entry%%=*} path=${entry#*=}
      measure_start "$name" "$path"
    done
    # In the Notepads' desktop: a hook reaches the programs of its own desktop only.
    desk() { timeout -k 10 "$1" "$WINELOADER" explorer /desktop=vtfp,1024x768 "${@:2}" </dev/null >/dev/null 2>&1; }
    desk 900 "$vtctl" start --theme "$(win "${themes[0]#*=}")" &
    resident=$!
    sleep 3
    for entry in "${themes[@]}"; do
      name=${entry%%=*} path=${entry#*=}
      desk 60 "$vtctl" theme "$(win "$path")" --force || true
      sleep 1
      skinned=()
      for _ in $(seq 1 "$rounds"); do skinned+=("$(measure_notepad)"); done
      m=$(median "${skinned[@]}")
      printf '  %-12s Notepad skinned RssAnon %6s KiB: %+6d KiB over unskinned (%s)\n' "$name" "$m" $((m - base)) "${skinned[*]}"
    done
    desk 60 "$vtctl" stop || true
    wait "$resident" || true
  )
  rm -rf "$state" "$kit"
done
