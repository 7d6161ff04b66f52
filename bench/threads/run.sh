#!/usr/bin/env bash
# run.sh [SECONDS]: a program with two GUI threads making, painting, hit-testing and destroying
# skinned windows (and sending to each other's) while a third switches themes, for SECONDS
# seconds (10 by default), and the faults counted (unanswered sends, theme-lock waits run out,
# failed passes, records lost or left, script values left, notices). It is the GuiThreads test of
# frame_win32_tests with VT_THREADS_SECONDS set; the figures are the properties that test records
# in its GoogleTest report.
# The run uses a Wine prefix of its own (made once, then reused; VT_WINEPREFIX overrides it), so
# that stopping its wineserver afterwards never touches a session someone else has running.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-10}
arch=$(bash "$top/scripts/wine-arch.sh")
tree=win$arch  # win32, or win64 where this machine cannot run 32-bit programs
dir="$top/build/$tree"
if [ ! -f "$dir/CMakeCache.txt" ]; then bash "$top/scripts/build.sh" "$tree" >/dev/null; fi
cmake --build "$dir" --target frame_win32_tests -j 2 >/dev/null
export VT_WINEPREFIX="${VT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/bench-threads-wine$arch}"
xml=$(mktemp /tmp/vt-threads-bench.XXXXXX.xml)
trap 'rm -f "$xml"' EXIT
rc=0
VT_THREADS_SECONDS=$seconds bash "$top/scripts/wine-run.sh" --arch "$arch" --desktop --timeout $((seconds + 300)) \
     --gtest-xml "$xml" "$dir/tests/frame/frame_win32_tests.exe" --gtest_filter='GuiThreads.*' >/dev/null || rc=$?
[ -s "$xml" ] || { echo "threads: no report (wine$arch, rc $rc)" >&2; exit 1; }
python3 - "$xml" "$arch" <<'PY'
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
print("two GUI threads and a theme switcher under wine%s" % sys.argv[2])
ok = True
for case in root.iter("testcase"):
    p = {x.get("name"): x.get("value") for x in case.iter("property")}
    failed = case.find("failure") is not None
    ok = ok and not failed
    if "seconds" not in p:
        print("%s: %s" % (case.get("name"), "FAILED before measuring" if failed else "no figures"))
        continue
    print("%.1f s, %s windows, %s sends, %s theme switches, %s faults%s" % (float(p["seconds"]), p["windows"],
          p["sends"], p["switches"], p["faults"], "  FAILED" if failed else ""))
    for f in case.findall("failure"):
        print("  " + (f.get("message") or "").replace("\n", " ")[:300])
sys.exit(0 if ok else 1)
PY
