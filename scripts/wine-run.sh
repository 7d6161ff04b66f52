#!/usr/bin/env bash
# wine-run.sh [--arch 32|64] [--console|--desktop] [--session STATEFILE] [--timeout SECONDS] [--gtest-xml FILE] PROGRAM [ARGS...]
# Runs a Windows program under a Wine prefix of its session (see wine-session.sh), always with a timeout.
#  --desktop   run it inside a Wine virtual desktop, so that Wine (not an X window manager) draws frames
#              (1024x768, or VT_DESKTOP_SIZE).
#  --session   use the Xvfb/wineserver that wine-session.sh started; without it a private one is
#              started and stopped around this run.
#  --gtest-xml the program is a GoogleTest program: it is asked for an XML report, and the result
#              is taken from that report (`wine explorer /desktop` returns 0 whatever its program does).
# Exit status: 0 when the program (or its report) says it passed, else non-zero.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

mode=console; session=; tmo=300; xml=
while [ $# -gt 0 ]; do
  case "$1" in
    --arch) VT_WINE_ARCH=$2; shift 2 ;;
    --console) mode=console; shift ;;
    --desktop) mode=desktop; shift ;;
    --session) session=$2; shift 2 ;;
    --timeout) tmo=$2; shift 2 ;;
    --gtest-xml) xml=$2; shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
prog=${1:?program}; shift
. "$here/wine-env.sh"

own_state=
if [ -n "$session" ] && [ -f "$session" ]; then
  . "$session"
else
  own_state=$(mktemp /tmp/vt-wine-session.XXXXXX)
  "$here/wine-session.sh" start "$own_state" "$VT_WINE_ARCH" >/dev/null || { rm -f "$own_state"; exit 1; }
  . "$own_state"
fi
export DISPLAY=$VT_DISPLAY
# The session's own prefix (a copy when the checkout's was in use).
[ -n "${VT_SESSION_PREFIX:-}" ] && export WINEPREFIX=$VT_SESSION_PREFIX
cleanup() { [ -n "$own_state" ] && "$here/wine-session.sh" stop "$own_state"; }
trap cleanup EXIT

to_win() { printf 'Z:%s' "$(readlink -f "$1" | sed 's|/|\\|g')"; }

args=("$@")
if [ -n "$xml" ]; then
  rm -f "$xml"
  args+=("--gtest_output=xml:$(to_win "$(dirname "$xml")")\\$(basename "$xml")")
fi

# Output goes through a file: processes that Wine starts in the background inherit the
# program's descriptors and would keep a caller's pipe open long after the program ended.
out=$(mktemp /tmp/vt-wine-out.XXXXXX)
if [ "$mode" = desktop ]; then
  timeout -k 10 "$tmo" "$WINELOADER" explorer "/desktop=vt$$,${VT_DESKTOP_SIZE:-1024x768}" "$prog" "${args[@]}" </dev/null >"$out" 2>&1
else
  timeout -k 10 "$tmo" "$WINELOADER" "$prog" "${args[@]}" </dev/null >"$out" 2>&1
fi
rc=$?
cat "$out"; rm -f "$out"
[ $rc -eq 124 ] && echo "wine-run: $(basename "$prog") timed out after ${tmo}s" >&2

if [ -n "$xml" ]; then
  if [ ! -s "$xml" ]; then
    echo "wine-run: $(basename "$prog") wrote no test report (crashed or hung?)" >&2
    exit 1
  fi
  python3 - "$xml" <<'PY'
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
tests = int(root.get("tests", 0)); fails = int(root.get("failures", 0)); errs = int(root.get("errors", 0))
for case in root.iter("testcase"):
    for f in case.findall("failure"):
        print("FAILED %s.%s: %s" % (case.get("classname"), case.get("name"), (f.get("message") or "").splitlines()[0:3]))
print("%d passed, %d failed" % (tests - fails - errs, fails + errs))
sys.exit(0 if tests > 0 and fails == 0 and errs == 0 else 1)
PY
  exit $?
fi
exit $rc
