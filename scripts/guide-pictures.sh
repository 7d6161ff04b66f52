#!/usr/bin/env bash
# guide-pictures.sh: the pictures of docs/writing-themes.md (docs/guide/*.png), drawn by vttheme
# render under Wine from the example themes in docs/guide/ and the images `vttheme new` makes, and the
# gallery of the sample themes in docs/gallery. Run it again after changing either.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
guide=$top/docs/guide
work=$(mktemp -d /tmp/vt-guide.XXXXXX)
. "$top/scripts/render-lib.sh"
trap 'render_cleanup; rm -rf "$work"' EXIT
render_setup "$work"

bash "$top/scripts/wine-run.sh" --arch "$render_arch" --console --session "$render_session" --timeout 60 \
  "$render_vttheme" new Sky "$(winpath "$work/sky")" >/dev/null
cp "$guide"/*.theme "$work/sky/"
picture() {  # THEME-FILE PNG-NAME OPTIONS...
  local theme=$1 png=$2
  shift 2
  render_theme "$work/sky/$theme" "$guide/$png" "$@"
  [ -f "$guide/$png" ] || { echo "guide-pictures: $png was not drawn" >&2; exit 1; }
}
for step in 1 2 3; do picture "step$step.theme" "step$step.png" --size 240x150; done
picture Sky.theme step4.png --size 240x150 --sheet --hover CLOSE --pressed CLOSE --menu "&File,&Edit"
for mode in once stretch tile; do picture "$mode.theme" "$mode.png" --size 200x60; done
picture anchors.theme anchors-small.png --size 160x100
picture anchors.theme anchors-large.png --size 260x140
picture Sky.theme scale-200.png --size 480x300 --scale 200
VT_WINE_SESSION=$render_session bash "$top/scripts/gallery.sh" "$top/docs/gallery" --samples --size 200x120 >/dev/null
echo "guide-pictures: docs/guide/*.png and docs/gallery written"
