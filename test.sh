#!/usr/bin/env bash
# ./test.sh: installs what is missing, builds with warnings as errors, runs
# every test, then does it all once more under AddressSanitizer and
# UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

# ---- Options of the fuzzing and Windows steps -------------------------------
#   --no-fuzz      skip the short fuzz runs (they need clang)
#   --no-windows   skip the Windows cross build and its tests (they need wine)
suite_run_fuzz=1
suite_run_windows=1
for arg in "$@"; do
  case "$arg" in
    --no-fuzz) suite_run_fuzz=0 ;;
    --no-windows) suite_run_windows=0 ;;
  esac
done
# -----------------------------------------------------------------------------

# Each step's heading, and at the end how long each took.
step_names=()
step_times=()
step_started=$SECONDS
step() {
  if [ ${#step_names[@]} -gt 0 ]; then step_times+=($((SECONDS - step_started))); fi
  step_names+=("$1")
  step_started=$SECONDS
  echo "== $1 =="
}
report_steps() {
  step_times+=($((SECONDS - step_started)))
  echo "== Time per step =="
  local i
  for i in "${!step_names[@]}"; do
    printf '%5d s  %s\n' "${step_times[$i]}" "${step_names[$i]}"
  done
  printf '%5d s  in all\n' "$SECONDS"
}

step "Packages"
# shellcheck disable=SC2046 # one package a word
suite_install_missing $(suite_all_packages)
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

step "Code layout (.clang-format)"
"$SUITE_ROOT/scripts/check_format.sh"

step "Every text translated (Qt Linguist)"
"$SUITE_ROOT/scripts/check_translations.sh"

step "A user's build needs nothing the tests need"
"$SUITE_ROOT/scripts/check_user_build.sh"

step "Build and test"
# Optimised as the benchmarks' figures were taken (-O2), without debug
# information, which would double the time spent compiling and linking.
suite_build "$SUITE_ROOT/build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DSUITE_WERROR=ON -DSUITE_UNITY_TESTS=ON \
  -DBUILD_TESTING=ON -DSUITE_TOOLS=ON -DSUITE_BENCHMARKS=ON -DSUITE_PROGRAMS="${SUITE_ALL_PROGRAMS// /;}"
ctest --test-dir "$SUITE_ROOT/build" --output-on-failure --parallel "$jobs"

step "Debian package: build, unpack into a scratch root, start each program"
"$SUITE_ROOT/scripts/check_package.sh" "$SUITE_ROOT/build"

step "Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
# Only the test programs: the sanitizers have nothing to say about a build
# that no test runs. Line tables are all a sanitizer report needs.
suite_configure "$SUITE_ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DSUITE_WERROR=ON -DSUITE_UNITY_TESTS=ON -DSUITE_SANITIZE=ON -DSUITE_BENCHMARKS=OFF -DSUITE_TOOLS=OFF
cmake --build "$SUITE_ROOT/build-asan" --parallel "$jobs" --target suite_tests
# Qt's own libraries are not instrumented; leak reports from their caches say
# nothing about this code.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$SUITE_ROOT/build-asan" --output-on-failure --parallel "$jobs"

# ---- Fuzzing and the Windows cross build -------------------------------------
if [ "$suite_run_fuzz" -eq 1 ]; then
  step "Fuzz every parser for a few seconds each"
  # Short enough for the whole step to stay within two minutes, one target a
  # core at a time; the long runs are scripts/fuzz.sh with a longer time.
  SUITE_FUZZ_JOBS="$jobs" "$SUITE_ROOT/scripts/fuzz.sh" "${SUITE_FUZZ_SECONDS:-6}"
fi
if [ "$suite_run_windows" -eq 1 ]; then
  step "Cross-build the core libraries for Windows and test them under wine"
  "$SUITE_ROOT/scripts/windows-check.sh"
fi
# -----------------------------------------------------------------------------
report_steps
