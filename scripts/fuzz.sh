#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each under ASan and UBSan with
# libFuzzer, one after the other, starting from its seed corpus in
# tests/fuzz/corpus/<target>/. Prints per target the executions, the
# coverage reached (cov: edges, ft: features) and how much of it is new
# beyond the seed corpus.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]    SECONDS per target (60), all targets
#   FUZZ_RUNS=N scripts/fuzz.sh 0 [TARGET...]    N executions per target instead
#
# Inputs that found new coverage are kept in build-fuzz/corpus/<target>/, a
# crash input in build-fuzz/crashes/ (add it to the seed corpus once the
# parser is mended), the full log in build-fuzz/logs/<target>.log. Run it
# with `nice -n 19` on a shared machine.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
build=build-fuzz

scripts/bootstrap.sh clang libclang-rt-14-dev
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVINA_FUZZ=ON -DCORVINA_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target fuzzers >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzz}")
  done
fi
if [ -n "${FUZZ_RUNS:-}" ]; then
  limit=(-runs="$FUZZ_RUNS")
else
  limit=(-max_total_time="$seconds")
fi

# "cov: N ft: M" of the first line that matches.
coverage() { grep -m1 -o 'cov: [0-9]* ft: [0-9]*' | awk '{print $2, $4}'; }

mkdir -p "$build/logs" "$build/crashes"
export QT_QPA_PLATFORM=offscreen
# Recording a stack for every allocation halves the speed of the readers that
# allocate a lot. A finding is rerun with ASAN_OPTIONS= to see where the
# memory came from.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0}
failed=0
printf '%-18s %12s  %-18s %-20s %s\n' target executions "cov (new)" "ft (new)" result
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  log="$build/logs/$target.log"
  result=ok
  # Under ASan the fuzzer's memory keeps growing over millions of inputs:
  # the default limit of 2 GB would end a long run with a report of its own.
  "$build/tests/fuzz/${target}_fuzz" "${limit[@]}" -print_final_stats=1 -rss_limit_mb=4096 \
    -artifact_prefix="$build/crashes/$target-" \
    "$build/corpus/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1 || result="FINDING, see $log"
  [ "$result" = ok ] || failed=1
  read -r covStart ftStart < <(grep 'INITED' "$log" | coverage || echo "0 0")
  read -r covEnd ftEnd < <(tac "$log" | grep -E '^#[0-9]+' | coverage || echo "0 0")
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | awk '{print $2}')
  printf '%-18s %12s  %-18s %-20s %s\n' "$target" "${runs:-?}" \
    "$covEnd (+$((covEnd - covStart)))" "$ftEnd (+$((ftEnd - ftStart)))" "$result"
done
exit $failed
