#!/usr/bin/env bash
# wine-session.sh start STATEFILE | stop STATEFILE
# start: Xvfb on a free display, the project's Wine prefix (made once with wineboot, then reused)
#        and a persistent wineserver; writes DISPLAY and the Xvfb pid to STATEFILE.
# stop:  ends the wineserver of our prefix and the Xvfb we started (by pid), nothing else.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
cmd=${1:?start or stop}; state=${2:?state file}

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
      timeout 300 wineboot -i >/dev/null 2>&1 || true
    fi
    timeout 120 wineserver -p >/dev/null 2>&1 || true
    printf 'VT_DISPLAY=%s\nVT_XVFB_PID=%s\n' "$DISPLAY" "$pid" > "$state"
    echo "wine-session: DISPLAY=$DISPLAY xvfb=$pid prefix=$WINEPREFIX"
    ;;
  stop)
    if [ -f "$state" ]; then
      . "$state"
      DISPLAY=$VT_DISPLAY timeout 30 wineserver -k >/dev/null 2>&1 || true
      kill "$VT_XVFB_PID" 2>/dev/null || true
      rm -f "$state"
    fi
    ;;
  *) echo "usage: $0 start|stop STATEFILE" >&2; exit 2 ;;
esac
