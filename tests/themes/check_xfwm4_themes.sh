#!/usr/bin/env bash
# check_xfwm4_themes.sh [--render OUTDIR [--wine RUNNER]] VTTHEME [THEMES]: every xfwm4 theme
# installed under THEMES (default /usr/share/themes: xfwm4's own and Greybird's, which
# scripts/setup.sh installs) that has XPM or PNG images loads with vttheme check without an error.
# With --render, each is rendered instead (vttheme render --sheet, which reports the same load
# errors) into OUTDIR/NAME.png, and the picture must be there; RUNNER (a command line, e.g.
# scripts/wine-run.sh ... --console) runs vttheme.exe, and the paths are then given as Z: paths.
# They are real-world input that we did not make; they are read where Debian puts them and never
# copied into the repo.
set -uo pipefail
outdir= runner=
while [ $# -gt 0 ]; do
  case "$1" in
    --render) outdir=$2; shift 2 ;;
    --wine) runner=$2; shift 2 ;;
    *) break ;;
  esac
done
vttheme=${1:?vttheme}; root=${2:-/usr/share/themes}
for needed in Default Greybird; do
  if [ ! -f "$root/$needed/xfwm4/themerc" ]; then
    echo "FAIL: $root/$needed/xfwm4/themerc is missing (scripts/setup.sh installs xfwm4 and greybird-gtk-theme)"
    echo "0 passed, 1 failed"
    exit 1
  fi
done
# A path as the program sees it: Wine's Z: drive is the host's root.
path_for() { if [ -n "$runner" ]; then printf 'Z:%s' "$(readlink -f "$1" | sed 's|/|\\|g')"; else printf '%s' "$1"; fi; }
[ -n "$outdir" ] && mkdir -p "$outdir"
passed=0 failed=0
for rc in "$root"/*/xfwm4/themerc; do
  dir=$(dirname "$rc")
  compgen -G "$dir/*.xpm" >/dev/null || compgen -G "$dir/*.png" >/dev/null || continue
  if [ -n "$outdir" ]; then
    png="$outdir/$(basename "$(dirname "$dir")").png"
    rm -f "$png"
    # shellcheck disable=SC2086  # the runner is a command line of several words
    $runner "$vttheme" render "$(path_for "$rc")" "$(path_for "$outdir")\\$(basename "$png")" --sheet --menu "&File,&Edit" \
      && [ -s "$png" ]
  else
    "$vttheme" check "$rc"
  fi
  if [ $? -eq 0 ]; then
    passed=$((passed + 1))
  else
    echo "FAIL: $rc"
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
