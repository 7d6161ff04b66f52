# frame_tests.sh: sourced by the benchmarks that are long runs of tests of frame_win32_tests
# (churn, threads). It builds the Win32 tree this machine's Wine runs (win32, or win64 where the
# kernel cannot run 32-bit programs); run_frame_tests NAME FILTER TIMEOUT XML then runs the tests
# matching FILTER, with the caller's environment, and leaves their GoogleTest report in XML. Each
# benchmark uses a Wine prefix of its own (made once, then reused; VT_WINEPREFIX overrides it), so
# that stopping its wineserver afterwards never touches a session someone else has running.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
arch=$(bash "$top/scripts/wine-arch.sh")
tree=win$arch
dir="$top/build/$tree"
if [ ! -f "$dir/CMakeCache.txt" ]; then bash "$top/scripts/build.sh" "$tree" >/dev/null; fi
cmake --build "$dir" --target frame_win32_tests -j 2 >/dev/null

run_frame_tests() {  # run_frame_tests NAME FILTER TIMEOUT XML
  local name=$1 filter=$2 timeout=$3 xml=$4 rc=0
  export VT_WINEPREFIX="${VT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/veltrane/bench-$name-wine$arch}"
  bash "$top/scripts/wine-run.sh" --arch "$arch" --desktop --timeout "$timeout" --gtest-xml "$xml" \
       "$dir/tests/frame/frame_win32_tests.exe" --gtest_filter="$filter" >/dev/null || rc=$?
  [ -s "$xml" ] || { echo "$name: no report (wine$arch, rc $rc)" >&2; exit 1; }
}
