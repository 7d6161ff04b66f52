#!/usr/bin/env bash
# run.sh: builds forth_bench (Release, in its own build directory) and times the same two
# programs, a DO loop summing 10^7 times and a recursive Fibonacci, on the script engine and
# on gforth in the same run. Each tool runs each program five times per round and measures
# processor time; rounds alternate between the two tools so that both see the same machine
# load. Prints the best milliseconds of all rounds and the ratio engine / gforth.
#   bench/forth/run.sh [ROUNDS]     (default 3; BUILD_DIR=... to use another build directory)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
build=${BUILD_DIR:-$top/build-forthbench}
rounds=${1:-3}

command -v gforth >/dev/null || { echo "gforth is not installed (apt-get install gforth)" >&2; exit 1; }
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target forth_bench -j2 >/dev/null

engine=""
reference=""
for _ in $(seq "$rounds"); do
  engine+=$("$build/bench/forth/forth_bench")$'\n'
  reference+=$(gforth "$here/bench.fs")$'\n'
done

# Best time per program; the results must agree in every run.
best() {
  awk 'NF == 3 {
         if (!($1 in ms) || $2 + 0 < ms[$1]) ms[$1] = $2 + 0
         if (($1 in result) && result[$1] != $3) { print "inconsistent result for " $1 > "/dev/stderr"; exit 1 }
         result[$1] = $3
       }
       END { for (p in ms) print p, ms[p], result[p] }' | sort
}

printf '%-6s %12s %12s %8s\n' program "engine ms" "gforth ms" ratio
join <(echo "$engine" | best) <(echo "$reference" | best) | while read -r name ems eresult gms gresult; do
  if [ "$eresult" != "$gresult" ]; then
    echo "$name: results differ (engine $eresult, gforth $gresult)" >&2
    exit 1
  fi
  printf '%-6s %12.1f %12.1f %8s\n' "$name" "$ems" "$gms" "$(awk -v a="$ems" -v b="$gms" 'BEGIN { printf "%.2f", a / b }')"
done
