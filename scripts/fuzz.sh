#!/usr/bin/env bash
# fuzz.sh [SECONDS]: builds the libFuzzer targets (clang with ASan and UBSan, tree build/fuzz)
# and runs each for SECONDS (default 60), printing per target the inputs executed, libFuzzer's
# coverage figures (cov: edges, ft: features) and the crashes, leaks, timeouts and
# out-of-memory inputs found. Exit status 1 when any target found one; the inputs are left in
# build/fuzz/artifacts/ and belong, once fixed, in the malformed/ corpus of their reader.
#   FUZZ_TARGETS="bmp forth" bash scripts/fuzz.sh 600    # some targets, ten minutes each
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$top/build/fuzz
targets=${FUZZ_TARGETS:-bmp png xpm theme kwm xfwm4 icewm forth}

cmake -S "$top" -B "$build" -DVT_FUZZ=ON -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" -j 2 --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done) >/dev/null

# Seeds: the test data of each reader, its malformed corpus included (copied flat, since
# several themes share a file name).
seed_files() {
  case "$1" in
    bmp)   find "$top/tests/graphics/data" "$top/tests/theme/data" -name '*.bmp' ;;
    png)   find "$top/tests/graphics/data/png" -name '*.png' ;;
    xpm)   find "$top/tests/theme/data" -name '*.xpm' ;;
    theme) find "$top/tests/theme/data" -name '*.theme' ;;
    kwm)   find "$top/tests/theme/data/kwm" -iname 'themerc*' ! -name '*.dump' ;;
    xfwm4) find "$top/tests/theme/data/xfwm4" -name 'themerc' ;;
    icewm) find "$top/tests/theme/data/icewm" -name '*.theme' ;;
    forth) find "$top/tests/script/data" -name '*.fs' ;;
  esac
}

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
export VT_SOURCE_DIR=$top
export TMPDIR=$build/tmp
status=0
printf '%-7s %12s %8s %8s %8s\n' target executions cov ft crashes
for t in $targets; do
  seeds=$build/seeds/$t corpus=$build/corpus/$t artifacts=$build/artifacts/$t
  rm -rf "$seeds" "$artifacts" "$TMPDIR"   # artifacts: what this run finds
  mkdir -p "$seeds" "$corpus" "$artifacts" "$TMPDIR"
  while IFS= read -r f; do cp "$f" "$seeds/$(echo "${f#$top/}" | tr / _)"; done < <(seed_files "$t")
  log=$build/fuzz_$t.log
  # Per input: 5 s (the engine's own bounds end any run far sooner, even under the
  # sanitizers), no allocation over 256 MiB, 2 GiB in all.
  rc=0
  timeout $((seconds + 120)) "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=5 \
      -malloc_limit_mb=256 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$corpus" "$seeds" >"$log" 2>&1 || rc=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  found=$(find "$artifacts" -type f | wc -l)
  printf '%-7s %12s %8s %8s %8s\n' "$t" "${execs:-?}" "${cov:-?}" "${ft:-?}" "$found"
  if [ "$rc" -ne 0 ] || [ "$found" -ne 0 ]; then
    echo "fuzz_$t: exit $rc, findings in $artifacts (log: $log)" >&2
    grep -m5 -E 'ERROR|SUMMARY|Test unit written' "$log" >&2 || true
    status=1
  fi
done
rm -rf "$TMPDIR"
exit $status
