#!/usr/bin/env bash
# scripts/fuzz.sh [seconds-per-target] [target-name-pattern]
# Each run is capped at SUITE_FUZZ_RSS_MB (default 768) of resident memory and
# SUITE_FUZZ_MALLOC_MB (default 512) in one allocation, so that an input
# whose header makes a parser take memory its data cannot fill is a failure.
# SUITE_FUZZ_RUNS=N also stops each target after N executions, whichever
# comes first; SUITE_FUZZ_TOGETHER=1 runs the targets all at once instead of
# one after another (the long runs: SUITE_FUZZ_RUNS=10000000
# SUITE_FUZZ_TOGETHER=1 scripts/fuzz.sh 3600), SUITE_FUZZ_JOBS=N at most N at
# once (./test.sh's short runs, one a core: each run is its own process on
# one core, so N of them find as much in 1/N of the time).
#
# Builds every *_fuzz target with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-fuzz/), then runs each over its corpus
# in the repository for the given time (default 60 s). What a run finds goes
# to build-fuzz/fuzz-runs/<target>/, never into the repository: new inputs to
# new-inputs/, a crashing input to crash-*/leak-*/timeout-* beside them.
# Prints a table row per target (target, executions, seconds, CPU seconds,
# result) that can be pasted into the README; exits non-zero if any target
# failed.
set -euo pipefail
source "$(dirname "$0")/common.sh"

seconds="${1:-60}"
pattern="${2:-.}"
build="${SUITE_FUZZ_BUILD:-$SUITE_ROOT/build-fuzz}"
runs="$build/fuzz-runs"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S "$SUITE_ROOT" -B "$build" \
  -DSUITE_FUZZ=ON -DSUITE_SANITIZE=ON -DSUITE_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -gline-tables-only -DNDEBUG" \
  "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target suite_fuzz_targets >/dev/null

# One target's run; its table row goes to <work>/row.txt, and the exit status
# says whether it found anything.
run_target() {
  local name="$1" binary="$2" corpus="$3"
  local work="$runs/$name"
  rm -rf "$work"
  mkdir -p "$work/new-inputs"
  local corpora=("$work/new-inputs")
  [ -d "$corpus" ] && corpora+=("$corpus")
  local limits=(-max_total_time="$seconds")
  [ -n "${SUITE_FUZZ_RUNS:-}" ] && limits+=(-runs="$SUITE_FUZZ_RUNS")
  local rc=0 TIMEFORMAT='%R %U %S'
  # The first folder takes what the run finds; the repository's is only read.
  { time ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "$binary" "${limits[@]}" -timeout=10 -rss_limit_mb="${SUITE_FUZZ_RSS_MB:-768}" \
      -malloc_limit_mb="${SUITE_FUZZ_MALLOC_MB:-512}" -print_final_stats=1 \
      -artifact_prefix="$work/" "${corpora[@]}" >"$work/log.txt" 2>&1 || rc=$?; } \
    2>"$work/time.txt"
  local executions elapsed cpu result
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log.txt" | tail -1)
  read -r elapsed cpu < <(awk '{ printf "%.0f %.0f\n", $1, $2 + $3 }' "$work/time.txt")
  if [ $rc -eq 0 ]; then
    result="nothing found"
  else
    result="FAILED (exit $rc, see $work/log.txt)"
  fi
  printf '| %s | %s | %s | %s | %s |\n' "$name" "${executions:-?}" "$elapsed" "$cpu" "$result" \
    >"$work/row.txt"
  return $rc
}

printf '| Target | Executions | Seconds | CPU seconds | Result |\n|---|---:|---:|---:|---|\n'
names=()
pids=()
failed=0
while read -r name binary corpus; do
  [ -n "$name" ] || continue
  [[ "$name" =~ $pattern ]] || continue
  names+=("$name")
  if [ -n "${SUITE_FUZZ_TOGETHER:-}" ] || [ -n "${SUITE_FUZZ_JOBS:-}" ]; then
    # With a limit, the oldest run is waited for first: they all last the
    # same time, so it is the next to end.
    if [ -n "${SUITE_FUZZ_JOBS:-}" ] && [ ${#pids[@]} -ge "$SUITE_FUZZ_JOBS" ]; then
      wait "${pids[0]}" || failed=1
      pids=("${pids[@]:1}")
    fi
    run_target "$name" "$binary" "$corpus" &
    pids+=($!)
  else
    run_target "$name" "$binary" "$corpus" || failed=1
    cat "$runs/$name/row.txt"
  fi
done < "$build/fuzz_targets.txt"
if [ -n "${SUITE_FUZZ_TOGETHER:-}" ] || [ -n "${SUITE_FUZZ_JOBS:-}" ]; then
  for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
  done
  for name in "${names[@]}"; do
    cat "$runs/$name/row.txt"
  done
fi
exit $failed
