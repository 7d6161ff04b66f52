#!/usr/bin/env bash
# setup_test.sh: veltrane-setup.exe under Wine, as a user runs it, in a fresh prefix that runs both
# bitnesses: /S installs both halves, the themes, the README, the Start menu entry, the logon
# entry and the uninstaller's entry; setup run again over a running copy stops it and starts it
# again; the uninstaller (/S) stops Veltrane and leaves nothing of ours (files, entries, values).
# Exit 77 (skipped) where this kernel cannot run 32-bit programs (the setup program is one).
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
if [ "$(bash "$top/scripts/wine-arch.sh")" != 32 ]; then
  echo "setup_install: skipped: this kernel cannot run 32-bit programs (the setup program is one)"
  exit 77
fi
work=$(mktemp -d /tmp/vt-setup.XXXXXX)
export VT_WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/setup-test"
state="$work/session.env"
cleanup() {
  bash "$top/scripts/wine-session.sh" stop "$state" 2>/dev/null
  rm -rf "$work"
  [ -n "${VT_SETUP_KEEP:-}" ] || rm -rf "$VT_WINEPREFIX"  # kept for a look when asked
}
trap cleanup EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}

bash "$top/scripts/package.sh" "$work/dist" | grep 'veltrane-setup.exe' || exit 1
rm -rf "$VT_WINEPREFIX"
bash "$top/scripts/wine-session.sh" start "$state" 64 >/dev/null || exit 1
. "$state"
export DISPLAY=$VT_DISPLAY VT_WINE_ARCH=64
. "$top/scripts/wine-env.sh"
# Output through a file: services Wine starts in the background would hold a pipe open.
wine() {
  timeout -k 5 60 "$WINELOADER" "$@" </dev/null >"$work/out" 2>/dev/null
  local rc=$?
  tr -d '\r' <"$work/out"
  return $rc
}
has_value() { wine reg query "$1" /v "$2" >/dev/null; }
has_key() { wine reg query "$1" >/dev/null; }
users="$WINEPREFIX/drive_c/users/$(whoami)"
app="$users/AppData/Local/Programs/Veltrane"
link="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Veltrane/Veltrane Themes.lnk"
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninst='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrane'
config='HKCU\Software\Harrowmere\Veltrane'
running() { wine "$app/x86/vtctl.exe" status | grep -q '^running: yes'; }
both_run() { wine "$app/x86/vtctl.exe" status | grep -q '(64-bit), running: yes'; }
logon_entry() { wine reg query "$run" /v Veltrane | grep -q 'vtthemes.exe" --tray'; }
# After the uninstall the installed vtctl is gone: a copy asks.
stopped() { wine "$work/vtctl.exe" status | grep -q '^running: no'; }
wait_for() {  # wait_for SECONDS COMMAND...: true once the command succeeds
  local end=$((SECONDS + $1)); shift
  until "$@"; do [ $SECONDS -ge $end ] && return 1; sleep 0.5; done
}

start=$(date +%s.%N)
wine "$work/dist/veltrane-setup.exe" /S
echo "setup_install: silent install took $(python3 -c "print(round($(date +%s.%N) - $start, 1))") s"
for f in x86/veltrane.dll x86/vtctl.exe x86/vtthemes.exe x64/veltrane.dll x64/vtctl.exe \
         themes/harbor/harbor.theme themes/birch/themerc README.txt uninstall.exe; do
  check "installed $f" test -f "$app/$f"
done
check "Start menu entry" test -f "$link"
check "logon entry runs the picker in the notification area" logon_entry
check "listed in the installed programs" has_value "$uninst" UninstallString

# Running, then set up again: stopped, replaced, started again.
timeout -k 5 120 "$WINELOADER" "$app/x86/vtthemes.exe" --tray </dev/null >/dev/null 2>&1 &
picker=$!
check "the logon entry's picker starts Veltrane" wait_for 20 running
check "both halves run" both_run
wine "$work/dist/veltrane-setup.exe" /S
check "setup over a running copy ends the picker that ran" wait_for 10 eval '! kill -0 $picker 2>/dev/null'
check "and starts Veltrane again" wait_for 20 running

# The uninstaller copies itself to the temporary folder and returns at once: wait for its work.
cp "$app/x86/vtctl.exe" "$work/"
wine "$app/uninstall.exe" /S
check "uninstall removes the folder" wait_for 30 test ! -e "$app"
check "no Start menu entry left" test ! -e "$(dirname "$link")"
check "no logon entry left" eval '! has_value "$run" Veltrane'
check "no uninstall entry left" eval '! has_key "$uninst"'
check "no configuration key left" eval '! has_key "$config"'
check "uninstall stops Veltrane" stopped
check "and asking left no key behind" eval '! has_key "$config"' 
if [ $failures -eq 0 ]; then echo "setup_install: passed"; else echo "setup_install: $failures check(s) failed"; fi
[ $failures -eq 0 ]
