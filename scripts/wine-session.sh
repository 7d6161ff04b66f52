#!/usr/bin/env bash
# wine-session.sh start STATEFILE [32|64] | stop STATEFILE
# start: Xvfb on a free display, the project's Wine prefix (made once with wineboot, then reused)
#        and a persistent wineserver; writes DISPLAY and the Xvfb pid to STATEFILE.
# stop:  ends the wineserver of our prefix and the Xvfb we started (by pid), nothing else.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cmd=${1:?start or stop}; state=${2:?state file}
if [ "$cmd" = start ]; then VT_WINE_ARCH=${3:-${VT_WINE_ARCH:-32}}; else VT_WINE_ARCH=$(sed -n 's/^VT_WINE_ARCH=//p' "$state" 2>/dev/null); fi
. "$here/wine-env.sh"

start_xvfb() {
  local n
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
  echo "wine-session: no free X display" >&2
  return 1
}

case "$cmd" in
  start)
    read -r n pid < <(start_xvfb)
    export DISPLAY=":$n"
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wine-session: creating prefix $WINEPREFIX"
      timeout 300 "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
    fi
    timeout 120 "$WINESERVER" -p >/dev/null 2>&1 || true
    # Start Wine's own background services now, detached from any caller's output: a service
    # started by a test program would hold that test's output pipe open and stall the runner.
    timeout 300 "$WINELOADER" wineboot </dev/null >/dev/null 2>&1 || true
    printf 'VT_DISPLAY=%s\nVT_XVFB_PID=%s\nVT_WINE_ARCH=%s\n' "$DISPLAY" "$pid" "$VT_WINE_ARCH" > "$state"
    echo "wine-session: DISPLAY=$DISPLAY xvfb=$pid wine$VT_WINE_ARCH prefix=$WINEPREFIX"
    ;;
  stop)
    if [ -f "$state" ]; then
      . "$state"
      DISPLAY=$VT_DISPLAY timeout 30 "$WINESERVER" -k >/dev/null 2>&1 || true
      kill "$VT_XVFB_PID" 2>/dev/null || true
      rm -f "$state"
    fi
    ;;
  *) echo "usage: $0 start|stop STATEFILE" >&2; exit 2 ;;
esac
