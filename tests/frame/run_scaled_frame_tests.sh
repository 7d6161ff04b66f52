#!/usr/bin/env bash
# run_scaled_frame_tests.sh SESSION ARCH TESTS.exe: the frame tests that need a scaled screen (and the
# scroll bar tests, which must hold at every scale), once
# with the session's prefix at 144 DPI (150 %) and once at 192 (200 %). Wine reads LogPixels when a
# program starts, so each run is a program of its own; the value is removed again however the runs
# end, and the test entry runs alone so that no other test sees the scaled screen.
set -uo pipefail
here=$(cd "$(dirname "$0")/../../scripts" && pwd)
session=${1:?session}; arch=${2:?arch}; tests=${3:?tests}
reg() { bash "$here/wine-run.sh" --arch "$arch" --console --session "$session" --timeout 60 reg "$@" >/dev/null 2>&1; }
trap 'reg delete "HKCU\\Control Panel\\Desktop" /v LogPixels /f' EXIT
status=0
for dpi in 144 192; do
  echo "== the screen at $dpi DPI"
  reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f || { echo "cannot set LogPixels" >&2; exit 1; }
  bash "$here/wine-run.sh" --arch "$arch" --desktop --session "$session" --timeout 300 \
       --gtest-xml "$(dirname "$tests")/scaled-$dpi.xml" "$tests" --gtest_filter='ScaledFrame.*:ScrollBarFrame.*' || status=1
done
exit $status
