#!/usr/bin/env bash
# run.sh: the long churn runs (1,000 skinned windows made, painted and destroyed; 100 theme
# switches with windows open; 20,000 frame paints of one window) and, for each, the GDI and USER
# objects, heap bytes in use, private bytes and window records before and after. They are the
# Churn tests of frame_win32_tests with VT_CHURN_LONG=1; the figures are the properties those
# tests record in their GoogleTest report.
set -euo pipefail
. "$(dirname "$0")/../frame_tests.sh"
xml=$(mktemp /tmp/vt-churn-bench.XXXXXX.xml)
trap 'rm -f "$xml"' EXIT
VT_CHURN_LONG=1 run_frame_tests churn 'Churn.*' 900 "$xml"
python3 - "$xml" "$arch" <<'PY'
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
print("churn under wine%s (USER objects: 0 where Wine does not report them)" % sys.argv[2])
print("%-15s %7s %11s %11s %19s %21s %9s %6s" % ("kind", "rounds", "GDI", "USER", "heap bytes", "private bytes", "records", "secs"))
ok = True
for case in root.iter("testcase"):
    p = {x.get("name"): x.get("value") for x in case.iter("property")}
    failed = case.find("failure") is not None
    ok = ok and not failed
    if "kind" not in p:
        print("%s: %s" % (case.get("name"), "FAILED before measuring" if failed else "no figures"))
        continue
    pair = lambda k: "%s>%s" % (p[k + "_before"], p[k + "_after"])
    print("%-15s %7s %11s %11s %19s %21s %9s %6.1f%s" % (p["kind"], p["rounds"], pair("gdi"), pair("user"), pair("heap"),
          pair("private"), pair("records"), float(case.get("time", 0)), "  FAILED" if failed else ""))
    for f in case.findall("failure"):
        print("  " + (f.get("message") or "").replace("\n", " ")[:300])
sys.exit(0 if ok else 1)
PY
