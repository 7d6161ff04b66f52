#!/usr/bin/env bash
# run.sh: the long churn runs (1,000 skinned windows made, painted and destroyed; 100 theme
# switches with windows open; 20,000 frame paints of one window) and, for each, the GDI and USER
# objects, heap bytes in use, private bytes and window records before and after. They are the
# Churn tests of frame_win32_tests with VT_CHURN_LONG=1; the figures are the properties those
# tests record in their GoogleTest report.
# The run uses a Wine prefix of its own (made once, then reused; VT_WINEPREFIX overrides it), so
# that stopping its wineserver afterwards never touches a session someone else has running.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
arch=$(bash "$top/scripts/wine-arch.sh")
tree=win$arch  # win32, or win64 where this machine cannot run 32-bit programs
dir="$top/build/$tree"
if [ ! -f "$dir/CMakeCache.txt" ]; then bash "$top/scripts/build.sh" "$tree" >/dev/null; fi
cmake --build "$dir" --target frame_win32_tests -j 2 >/dev/null
export VT_WINEPREFIX="${VT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/bench-churn-wine$arch}"
xml=$(mktemp /tmp/vt-churn-bench.XXXXXX.xml)
trap 'rm -f "$xml"' EXIT
rc=0
VT_CHURN_LONG=1 bash "$top/scripts/wine-run.sh" --arch "$arch" --desktop --timeout 900 --gtest-xml "$xml" \
     "$dir/tests/frame/frame_win32_tests.exe" --gtest_filter='Churn.*' >/dev/null || rc=$?
[ -s "$xml" ] || { echo "churn: no report (wine$arch, rc $rc)" >&2; exit 1; }
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
