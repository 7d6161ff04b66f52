#!/usr/bin/env bash
# compare-xfwm4.sh [THEME-FOLDER...]
# Each xfwm4 theme framed by xfwm4 itself beside the same theme framed by Veltrane: xfwm4 runs on a
# private Xvfb (with its settings daemon on a private D-Bus session and a private HOME) and frames an
# xmessage window titled "Preview", which `import` takes from the screen; `vttheme render` draws the
# theme under Wine at the size of xfwm4's frame. Writes out/xfwm4-compare/NAME.png (xfwm4 left,
# Veltrane right, 8 transparent pixels apart) and index.html. A THEME-FOLDER is a folder holding
# xfwm4/themerc (Debian's /usr/share/themes/Daloa) or the themerc's own folder; by default our test
# themes juniper and marram. Takes about 10 s per theme, so it is not part of the test run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh" >/dev/null
export XDG_CACHE_HOME=${XDG_CACHE_HOME:-$HOME/.cache}
arch=$(bash "$top/scripts/wine-arch.sh")
tree=$top/build/win$arch
vttheme=$tree/tools/vttheme/vttheme.exe
if [ ! -f "$vttheme" ]; then
  cmake -S "$top" -B "$tree" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw-$([ "$arch" = 64 ] && echo x86_64 || echo i686).cmake" >/dev/null
  cmake --build "$tree" -j 2 --target vttheme
fi
out=$top/out/xfwm4-compare
mkdir -p "$out"
[ $# -gt 0 ] || set -- "$top/tests/theme/data/xfwm4/juniper" "$top/tests/theme/data/xfwm4/marram"

work=$(mktemp -d /tmp/vt-xfwm4-compare.XXXXXX)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "compare-xfwm4: Xvfb did not start" >&2; exit 1; }
display=":$(cat "$work/display")"

client_w=320 client_h=200
pages=
for folder in "$@"; do
  folder=$(readlink -f "$folder")
  [ -f "$folder/xfwm4/themerc" ] && folder=$folder/xfwm4
  [ -f "$folder/themerc" ] || { echo "compare-xfwm4: no themerc in $folder" >&2; exit 2; }
  name=$(basename "$folder"); [ "$name" = xfwm4 ] && name=$(basename "$(dirname "$folder")")
  home=$work/home-$name
  mkdir -p "$home/.themes/$name"
  ln -sfn "$folder" "$home/.themes/$name/xfwm4"
  # xfwm4 and xmessage on the private display; the frame is the child of the root window that
  # holds the window titled "Preview".
  geometry=$(DISPLAY=$display HOME=$home NO_AT_BRIDGE=1 timeout 60 dbus-run-session -- bash -c '
    xfconf-query -c xfwm4 -p /general/theme -n -t string -s "$1" 2>/dev/null
    xfwm4 --compositor=off --sm-client-disable >/dev/null 2>&1 & wm=$!
    sleep 1.5
    xmessage -geometry "$2x$3+60+60" -title Preview "" >/dev/null 2>&1 & msg=$!
    sleep 1.5
    xwininfo -root -tree | awk "/^     0x/ { frame = \$0 } /\"Preview\"/ { print frame; exit }" |
      grep -o "[0-9]*x[0-9]*+[0-9-]*+[0-9-]*" | head -1
    import -window root "$4"
    kill $msg $wm 2>/dev/null; wait 2>/dev/null' _ "$name" "$client_w" "$client_h" "$work/root.png" 2>/dev/null |
    grep -E '^[0-9]+x[0-9]+[+-]' | tail -1)
  [ -n "$geometry" ] || { echo "compare-xfwm4: $name: xfwm4 framed no window" >&2; exit 1; }
  size=${geometry%%+*}
  convert "$work/root.png" -crop "$geometry" +repage "$work/xfwm4.png"
  VT_WINE_ARCH=$arch bash "$top/scripts/wine-run.sh" --console --timeout 120 "$vttheme" render \
    "Z:$(echo "$folder/themerc" | sed 's|/|\\|g')" "Z:$(echo "$work/veltrane.png" | sed 's|/|\\|g')" \
    --size "$size" --title Preview >/dev/null
  convert "$work/xfwm4.png" \( -size 8x1 xc:none \) "$work/veltrane.png" -background none +append "$out/$name.png"
  echo "compare-xfwm4: $name ($size): $out/$name.png"
  pages+="<h2>$name</h2><p>xfwm4 (left), Veltrane (right), $size</p><img src=\"$name.png\">"
done
printf '<!doctype html><title>xfwm4 themes: xfwm4 and Veltrane</title><body style="background:#777">%s</body>\n' \
  "$pages" >"$out/index.html"
