#!/usr/bin/env bash
# run.sh [SECONDS]: a program with two GUI threads making, painting, hit-testing and destroying
# skinned windows (and sending to each other's) while a third switches themes, for SECONDS
# seconds (10 by default), and the faults counted (unanswered sends, theme-lock waits run out,
# failed passes, records lost or left, script values left, notices). It is the GuiThreads test of
# frame_win32_tests with VT_THREADS_SECONDS set; the figures are the properties that test records
# in its GoogleTest report.
set -euo pipefail
seconds=${1:-10}
. "$(dirname "$0")/../frame_tests.sh"
xml=$(mktemp /tmp/vt-threads-bench.XXXXXX.xml)
trap 'rm -f "$xml"' EXIT
VT_THREADS_SECONDS=$seconds run_frame_tests threads 'GuiThreads.*' $((seconds + 300)) "$xml"
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
