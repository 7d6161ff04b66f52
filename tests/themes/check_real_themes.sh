#!/usr/bin/env bash
# check_real_themes.sh xfwm4|icewm [--render OUTDIR [--wine RUNNER]] VTTHEME [THEMES]: every theme of
# that window manager installed under THEMES loads with vttheme check without an error, and the ones
# the test relies on are there:
#   xfwm4: every THEMES/NAME/xfwm4/themerc with XPM or PNG images (default /usr/share/themes;
#          Default and Greybird required: scripts/setup.sh installs xfwm4 and greybird-gtk-theme);
#   icewm: every THEMES/NAME/*.theme (default /usr/share/icewm/themes; default, CrystalBlue, metal2,
#          motif and win95 required: scripts/setup.sh installs icewm-common).
# With --render, each is rendered instead (vttheme render --sheet, which reports the same load
# errors) into OUTDIR/NAME.png, and the picture must be there; RUNNER (a command line, e.g.
# scripts/wine-run.sh ... --console) runs vttheme.exe, and the paths are then given as Z: paths.
# They are real-world input that we did not make; they are read where Debian puts them and never
# copied into the repo.
set -uo pipefail
kind=${1:?xfwm4 or icewm}; shift
outdir= runner=
while [ $# -gt 0 ]; do
  case "$1" in
    --render) outdir=$2; shift 2 ;;
    --wine) runner=$2; shift 2 ;;
    *) break ;;
  esac
done
vttheme=${1:?vttheme}
case "$kind" in
  xfwm4) root=${2:-/usr/share/themes}; required=(Default/xfwm4/themerc Greybird/xfwm4/themerc)
         package="xfwm4 and greybird-gtk-theme" ;;
  icewm) root=${2:-/usr/share/icewm/themes}; package=icewm-common
         required=(default/default.theme CrystalBlue/default.theme metal2/default.theme motif/default.theme
                   win95/default.theme) ;;
  *) echo "usage: $0 xfwm4|icewm [--render OUTDIR [--wine RUNNER]] VTTHEME [THEMES]" >&2; exit 2 ;;
esac
for needed in "${required[@]}"; do
  if [ ! -f "$root/$needed" ]; then
    echo "FAIL: $root/$needed is missing (scripts/setup.sh installs $package)"
    echo "0 passed, 1 failed"
    exit 1
  fi
done
# The theme files, and the picture's name for each.
themes() {
  if [ "$kind" = xfwm4 ]; then
    for rc in "$root"/*/xfwm4/themerc; do
      compgen -G "$(dirname "$rc")/*.xpm" >/dev/null || compgen -G "$(dirname "$rc")/*.png" >/dev/null || continue
      printf '%s\n' "$rc"
    done
  else
    printf '%s\n' "$root"/*/*.theme
  fi
}
picture_name() {
  if [ "$kind" = xfwm4 ]; then basename "$(dirname "$(dirname "$1")")"
  else printf '%s-%s' "$(basename "$(dirname "$1")")" "$(basename "$1" .theme)"; fi
}
# A path as the program sees it: Wine's Z: drive is the host's root.
path_for() { if [ -n "$runner" ]; then printf 'Z:%s' "$(readlink -f "$1" | sed 's|/|\\|g')"; else printf '%s' "$1"; fi; }
[ -n "$outdir" ] && mkdir -p "$outdir"
passed=0 failed=0
while IFS= read -r theme; do
  if [ -n "$outdir" ]; then
    name=$(picture_name "$theme")
    png="$outdir/$name.png"
    rm -f "$png"
    # shellcheck disable=SC2086  # the runner is a command line of several words
    $runner "$vttheme" render "$(path_for "$theme")" "$(path_for "$outdir")\\$name.png" --sheet --menu "&File,&Edit" \
      </dev/null && [ -s "$png" ]
  else
    "$vttheme" check "$theme" </dev/null
  fi
  if [ $? -eq 0 ]; then
    passed=$((passed + 1))
  else
    echo "FAIL: $theme"
    failed=$((failed + 1))
  fi
done < <(themes)
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
