#!/usr/bin/env bash
# wine-session.sh start STATEFILE [32|64] | stop STATEFILE
# start: Xvfb on a free display, a Wine prefix this run has to itself and a persistent wineserver
#        for it; writes DISPLAY, the Xvfb pid and the prefix to STATEFILE. The checkout's prefix
#        (see wine-env.sh) is made once with wineboot and reused by the runs that follow; a run
#        that finds it claimed by a session still running gets a copy of it, so that two runs never
#        share a wineserver. Fails, saying which, when Xvfb or the prefix cannot be had.
# stop:  ends the wineserver of the session's own prefix and the Xvfb it started (by pid), gives
#        the claim back or removes the copy; nothing else.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cmd=${1:?start or stop}; state=${2:?state file}
if [ "$cmd" = start ]; then VT_WINE_ARCH=${3:-${VT_WINE_ARCH:-32}}; else VT_WINE_ARCH=$(sed -n 's/^VT_WINE_ARCH=//p' "$state" 2>/dev/null); fi
. "$here/wine-env.sh"

fail() { echo "wine-session: $*" >&2; exit 1; }

start_xvfb() {
  local n
  command -v Xvfb >/dev/null || { echo "wine-session: Xvfb is not installed (scripts/setup.sh)" >&2; return 1; }
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { echo "$n $pid"; return 0; }
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
  done
  echo "wine-session: Xvfb did not start on any display from :91 to :140" >&2
  return 1
}

# Whether the claim on a prefix belongs to a session still running (its Xvfb is alive).
claim_alive() {
  local pid
  pid=$(cat "$1/xvfb" 2>/dev/null) || return 1
  [ -n "$pid" ] && grep -qa Xvfb "/proc/$pid/cmdline" 2>/dev/null
}

case "$cmd" in
  start)
    xvfb=$(start_xvfb) || exit 1
    read -r n pid <<<"$xvfb"
    export DISPLAY=":$n"
    stop_xvfb() { kill "$pid" 2>/dev/null || true; }
    trap 'stop_xvfb' ERR
    base=$WINEPREFIX
    mkdir -p "$(dirname "$base")"
    if [ ! -f "$base/system.reg" ]; then
      echo "wine-session: creating prefix $base"
      timeout -k 10 300 "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
      timeout -k 10 120 "$WINESERVER" -w >/dev/null 2>&1 || true
      [ -f "$base/system.reg" ] || { stop_xvfb; fail "wineboot could not make the prefix $base"; }
    fi
    claim="$base.claim" copy=
    if ! mkdir "$claim" 2>/dev/null; then
      if claim_alive "$claim"; then
        copy="$base-run$$"
        rm -rf "$copy"
        cp -a "$base" "$copy" || { stop_xvfb; fail "cannot copy the prefix $base"; }
        export WINEPREFIX=$copy
        claim=
        echo "wine-session: $base is in use by another run; this one uses a copy"
      else
        rm -rf "$claim"  # left by a session that ended without its stop
        mkdir "$claim" || { stop_xvfb; fail "cannot claim the prefix $base"; }
      fi
    fi
    [ -n "$claim" ] && echo "$pid" > "$claim/xvfb"
    printf 'VT_DISPLAY=%s\nVT_XVFB_PID=%s\nVT_WINE_ARCH=%s\nVT_SESSION_PREFIX=%s\nVT_SESSION_CLAIM=%s\nVT_SESSION_COPY=%s\n' \
      "$DISPLAY" "$pid" "$VT_WINE_ARCH" "$WINEPREFIX" "$claim" "$copy" > "$state"
    timeout -k 10 120 "$WINESERVER" -p >/dev/null 2>&1 || true
    # Start Wine's own background services now, detached from any caller's output: a service
    # started by a test program would hold that test's output pipe open and stall the runner.
    timeout -k 10 300 "$WINELOADER" wineboot </dev/null >/dev/null 2>&1 || true
    echo "wine-session: DISPLAY=$DISPLAY xvfb=$pid wine$VT_WINE_ARCH prefix=$WINEPREFIX"
    ;;
  stop)
    if [ -f "$state" ]; then
      . "$state"
      # Only the session's own prefix: its server and the programs it runs.
      if [ -n "${VT_SESSION_PREFIX:-}" ]; then
        WINEPREFIX=$VT_SESSION_PREFIX DISPLAY=$VT_DISPLAY timeout -k 5 30 "$WINESERVER" -k >/dev/null 2>&1 || true
        WINEPREFIX=$VT_SESSION_PREFIX timeout -k 5 30 "$WINESERVER" -w >/dev/null 2>&1 || true
      fi
      kill "$VT_XVFB_PID" 2>/dev/null || true
      [ -n "${VT_SESSION_CLAIM:-}" ] && rm -rf "$VT_SESSION_CLAIM"
      [ -n "${VT_SESSION_COPY:-}" ] && rm -rf "$VT_SESSION_COPY"
      rm -f "$state"
    fi
    ;;
  *) echo "usage: $0 start|stop STATEFILE" >&2; exit 2 ;;
esac
