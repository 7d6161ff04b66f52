#!/usr/bin/env bash
# check_icewm_themes.sh [--render OUTDIR [--wine RUNNER]] VTTHEME [THEMES]: every IceWM theme file
# installed under THEMES (default /usr/share/icewm/themes, from icewm-common, which
# scripts/setup.sh installs) loads with vttheme check without an error; the default, CrystalBlue,
# metal2, motif and win95 themes must be among them. With --render, each is rendered instead
# (vttheme render --sheet, which reports the same load errors) into OUTDIR/NAME.png, and the
# picture must be there; RUNNER (a command line, e.g. scripts/wine-run.sh ... --console) runs
# vttheme.exe, and the paths are then given as Z: paths. They are real-world input that we did not
# make; they are read where Debian puts them and never copied into the repo.
set -uo pipefail
outdir= runner=
while [ $# -gt 0 ]; do
  case "$1" in
    --render) outdir=$2; shift 2 ;;
    --wine) runner=$2; shift 2 ;;
    *) break ;;
  esac
done
vttheme=${1:?vttheme}; root=${2:-/usr/share/icewm/themes}
for needed in default CrystalBlue metal2 motif win95; do
  if [ ! -f "$root/$needed/default.theme" ]; then
    echo "FAIL: $root/$needed/default.theme is missing (scripts/setup.sh installs icewm-common)"
    echo "0 passed, 1 failed"
    exit 1
  fi
done
path_for() { if [ -n "$runner" ]; then printf 'Z:%s' "$(readlink -f "$1" | sed 's|/|\\|g')"; else printf '%s' "$1"; fi; }
[ -n "$outdir" ] && mkdir -p "$outdir"
passed=0 failed=0
for theme in "$root"/*/*.theme; do
  name=$(basename "$(dirname "$theme")")-$(basename "$theme" .theme)
  if [ -n "$outdir" ]; then
    png="$outdir/$name.png"
    rm -f "$png"
    # shellcheck disable=SC2086  # the runner is a command line of several words
    $runner "$vttheme" render "$(path_for "$theme")" "$(path_for "$outdir")\\$name.png" --sheet --menu "&File,&Edit" \
      && [ -s "$png" ]
  else
    "$vttheme" check "$theme"
  fi
  if [ $? -eq 0 ]; then
    passed=$((passed + 1))
  else
    echo "FAIL: $theme"
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
