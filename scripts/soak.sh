#!/usr/bin/env bash
# soak.sh MINUTES [SEED] [--session STATEFILE] [--out DIR] [--no-build]
# Long use of real programs, skinned: inside a Wine virtual desktop on Xvfb, vtctl starts the module,
# then Notepad, Regedit, Minesweeper, Wordpad, Winefile, Task Manager and Clock are driven for
# MINUTES by a seeded random driver (tools/soak): windows moved, dragged, resized, maximised,
# restored, minimised and rolled up, menus and dialogs opened and closed, clicks and typing, live
# theme switches (the sample themes, the test themes, installed IceWM and xfwm4 themes), colour
# schemes, programs started at other display scales, the controller stopped and started. It fails
# on a program that ended unasked, a program that did not answer for over 2 s, a dialog the driver
# could not close, or objects or memory still growing in the last third of the run; the per-program
# figures and the verdict are printed, the samples are in DIR/soak-samples.csv (default out/soak).
# Without SEED one is picked and printed: `soak.sh MINUTES SEED` replays a run's steps.
#   --session   run in a wine-session.sh session (the test run's); else a private one
#   --no-build  use what is built (the test run has built it)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:?usage: soak.sh MINUTES [SEED] [--session STATEFILE] [--out DIR] [--no-build]}; shift
seed=
[ $# -gt 0 ] && [[ $1 != --* ]] && { seed=$1; shift; }
session_args=() out="$top/out/soak" build=1
while [ $# -gt 0 ]; do
  case "$1" in
    --session) session_args=(--session "$2"); shift 2 ;;
    --out) out=$2; shift 2 ;;
    --no-build) build=0; shift ;;
    *) echo "soak.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
[[ $minutes =~ ^[0-9]+([.][0-9]+)?$ ]] || { echo "soak.sh: MINUTES must be a number" >&2; exit 2; }
seconds=$(awk -v m="$minutes" 'BEGIN { printf "%d", m * 60 }')
[ -n "$seed" ] || seed=$(( $(date +%s) % 1000000 ))

arch=$(bash "$top/scripts/wine-arch.sh")
dir="$top/build/win$arch"
if [ "$build" = 1 ]; then
  bash "$top/scripts/setup.sh" >/dev/null
  export CCACHE_BASEDIR=$top CCACHE_NOHASHDIR=1
  args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-$([ "$arch" = 64 ] && echo x86_64 || echo i686).cmake")
  command -v ccache >/dev/null && args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  timeout -k 30 600 cmake -S "$top" -B "$dir" "${args[@]}" >/dev/null
  timeout -k 30 3600 cmake --build "$dir" --target veltrane vtctl vtsoak -j "$(nproc)" >/dev/null
fi

win() { printf 'Z:%s' "$(readlink -f "$1" | sed 's|/|\\|g')"; }
themes=()
for t in themes/harbor/harbor.theme themes/pebble/pebble.theme themes/birch/themerc \
         tests/frame/data/pane/pane.theme tests/theme/data/native/slate/slate.theme tests/theme/data/kwm/kde1/themerc \
         tests/theme/data/xfwm4/juniper/themerc tests/theme/data/xfwm4/marram/themerc \
         tests/theme/data/icewm/alder/default.theme; do
  themes+=("$(win "$top/$t")")
done
# Other window managers' themes where their packages are installed (never copied into the repo).
for t in /usr/share/icewm/themes/CrystalBlue/default.theme /usr/share/themes/Daloa/xfwm4/themerc; do
  [ -f "$t" ] && themes+=("$(win "$t")")
done

mkdir -p "$out"
rm -f "$out/soak.log" "$out/soak-samples.csv"
echo "soak: $minutes min, seed $seed (replay: bash scripts/soak.sh $minutes $seed), under wine$arch"
bash "$top/scripts/wine-run.sh" --arch "$arch" --desktop "${session_args[@]}" --timeout $((seconds + 600)) \
     "$dir/tools/soak/vtsoak.exe" "$(win "$dir/tools/vtctl/vtctl.exe")" "$(win "$out")" "$seconds" "$seed" \
     "${themes[@]}" >/dev/null || true
# Wine's virtual desktop returns 0 whatever runs inside it: the verdict is the driver's last line.
[ -f "$out/soak.log" ] || { echo "soak FAILED: the driver wrote no log (seed $seed)" >&2; exit 1; }
tr -d '\r' < "$out/soak.log" | grep -v '^soak: [0-9]* s: '
verdict=$(tr -d '\r' < "$out/soak.log" | tail -n 1)
[[ $verdict == "soak passed"* ]]
