#!/usr/bin/env bash
# gallery_test.sh OUT: scripts/gallery.sh on the sample themes makes OUT/index.html with each sample's
# name, family and "none" for load warnings, and both its pictures (100 % and 200 %, the latter twice
# as wide), each a PNG.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:?OUT}
rm -rf "$out"
bash "$top/scripts/gallery.sh" "$out" --samples --size 200x120 >/dev/null || { echo "gallery.sh failed"; exit 1; }
failed=0
for row in "harbor native" "pebble native" "birch kwm"; do
  set -- $row
  grep -q "<b>$1</b><br>$2<br>.*<td>none</td>" "$out/index.html" || { echo "index.html: no row for $1 ($2) without warnings"; failed=1; }
  small=$(ls "$out"/*-"$1".png 2>/dev/null) large=$(ls "$out"/*-"$1"@2x.png 2>/dev/null)
  w1=$(identify -format %w "$small" 2>/dev/null) w2=$(identify -format %w "$large" 2>/dev/null)
  # A sheet: four 200-pixel looks 8 apart, and at 200 % each look twice as wide.
  [ "$w1" = 824 ] && [ "$w2" = $((4 * 400 + 8 * 3)) ] || { echo "$1: pictures ${w1:-missing} and ${w2:-missing} wide"; failed=1; }
done
[ $failed = 0 ] && echo "gallery: every sample theme, both scales"
exit $failed
