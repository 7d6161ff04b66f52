#!/usr/bin/env bash
# check_xfwm4_themes.sh VTTHEME [THEMES]: every xfwm4 theme installed under THEMES (default
# /usr/share/themes: xfwm4's own and Greybird's, which scripts/setup.sh installs) that has XPM
# or PNG images loads with vttheme check without an error. They are real-world input that we
# did not make; they are read where Debian puts them and never copied into the repo.
set -uo pipefail
vttheme=${1:?vttheme}; root=${2:-/usr/share/themes}
for needed in Default Greybird; do
  if [ ! -f "$root/$needed/xfwm4/themerc" ]; then
    echo "FAIL: $root/$needed/xfwm4/themerc is missing (scripts/setup.sh installs xfwm4 and greybird-gtk-theme)"
    echo "0 passed, 1 failed"
    exit 1
  fi
done
passed=0 failed=0
for rc in "$root"/*/xfwm4/themerc; do
  dir=$(dirname "$rc")
  compgen -G "$dir/*.xpm" >/dev/null || compgen -G "$dir/*.png" >/dev/null || continue
  if "$vttheme" check "$rc"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $rc"
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
