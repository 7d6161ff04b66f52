#!/usr/bin/env bash
# gallery.sh OUT [--samples] [--size WxH]
# Renders every sample theme (themes/) and every kwm, xfwm4 and IceWM theme installed on this machine
# into OUT/index.html: per theme its name, family, file and load warnings, and a sheet of the active,
# inactive, close-hovered and close-pressed looks at 100 % and at 200 %.
#   --samples   the sample themes only (docs/gallery is made so: bash scripts/gallery.sh docs/gallery
#               --samples --size 200x120)
#   --size      the window drawn (default 320x200)
# vttheme.exe (the Windows build) draws under Wine, in a session of its own unless VT_WINE_SESSION names
# a running one (as in the tests). Installed themes are read where Debian puts them, never copied.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: gallery.sh OUT [--samples] [--size WxH]}
shift
samples_only= size=320x200
while [ $# -gt 0 ]; do
  case "$1" in
    --samples) samples_only=1; shift ;;
    --size) size=${2:?--size needs WxH}; shift 2 ;;
    *) echo "gallery: unknown option $1" >&2; exit 2 ;;
  esac
done
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d /tmp/vt-gallery.XXXXXX)
. "$top/scripts/render-lib.sh"
trap 'render_cleanup; rm -rf "$work"' EXIT
render_setup "$work"

# FAMILY<TAB>NAME<TAB>FILE, one theme a line.
list() {
  for f in "$top"/themes/*/*.theme; do printf 'native\t%s\t%s\n' "$(basename "$f" .theme)" "$f"; done
  for f in "$top"/themes/*/themerc; do printf 'kwm\t%s\t%s\n' "$(basename "$(dirname "$f")")" "$f"; done
  [ -n "$samples_only" ] && return
  find /usr/share -maxdepth 6 \( -name kwmrc -o -path '*kwm*/themerc' \) -type f 2>/dev/null | sort |
    while read -r f; do printf 'kwm\t%s\t%s\n' "$(basename "$(dirname "$f")")" "$f"; done
  for f in /usr/share/themes/*/xfwm4/themerc; do
    [ -f "$f" ] && printf 'xfwm4\t%s\t%s\n' "$(basename "$(dirname "$(dirname "$f")")")" "$f"
  done
  for f in /usr/share/icewm/themes/*/*.theme; do
    [ -f "$f" ] || continue
    name=$(basename "$(dirname "$f")")
    [ "$(basename "$f")" = default.theme ] || name="$name ($(basename "$f" .theme))"
    printf 'IceWM\t%s\t%s\n' "$name" "$f"
  done
}

html() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g'; }

# render THEME PNG PERCENT: the same window at that display scale (so twice as large at 200 %), the
# sheet with CLOSE hovered and pressed, or for a theme without a close button the first elements
# that have those looks. Prints what vttheme said.
render() {
  local theme=$1 png=$2 scale=$3 w=${size%x*} h=${size#*x}
  local options=(--sheet --menu "&File,&Edit" --size "$((w * scale / 100))x$((h * scale / 100))" --scale "$scale")
  local said
  said=$(render_theme "$theme" "$png" "${options[@]}" --hover CLOSE --pressed CLOSE) || true
  [ -f "$png" ] || said=$(render_theme "$theme" "$png" "${options[@]}") || true
  printf '%s' "$said"
}

rows= count=0
while IFS=$'\t' read -r family name file; do
  count=$((count + 1))
  slug=$(printf '%03d-%s' "$count" "$name" | tr -c 'A-Za-z0-9_.-' '_')
  rm -f "$out/$slug.png" "$out/$slug@2x.png"
  said=$(render "$file" "$out/$slug.png" 100; render "$file" "$out/$slug@2x.png" 200 >/dev/null)
  said=$(printf '%s\n' "$said" | sort -u)
  pictures=
  for png in "$slug.png" "$slug@2x.png"; do
    if [ -f "$out/$png" ]; then pictures+="<img src=\"$png\" alt=\"$name\"> "; else pictures+="<p>(no picture)</p>"; fi
  done
  warnings="none"
  [ -n "$said" ] && warnings="<pre>$(printf '%s' "$said" | html)</pre>"
  rows+="<tr><td><b>$(printf '%s' "$name" | html)</b><br>$family<br><small>$(printf '%s' "$file" | sed "s|^$top/||" | html)</small></td>"
  rows+="<td>$warnings</td><td>$pictures</td></tr>"$'\n'
  echo "gallery: $family $name"
done < <(list)

cat >"$out/index.html" <<EOF
<!doctype html>
<meta charset="utf-8">
<title>Veltrane theme gallery</title>
<style>body{font-family:sans-serif;background:#8a8f96}td{vertical-align:top;padding:6px;background:#eef}img{margin:2px}pre{white-space:pre-wrap;max-width:28em}</style>
<h1>Veltrane theme gallery</h1>
<p>$count themes, each drawn by vttheme render at ${size}: active, inactive, close button hovered, close button
pressed; at 100 % and at 200 %.</p>
<table>
<tr><th>Theme</th><th>Load warnings</th><th>100 % / 200 %</th></tr>
$rows</table>
EOF
echo "gallery: $count themes in $out/index.html"
