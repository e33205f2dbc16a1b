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

suite_install_missing
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

echo "== Code layout (.clang-format) =="
"$SUITE_ROOT/scripts/check_format.sh"

echo "== Build and test =="
suite_build "$SUITE_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUITE_WERROR=ON
ctest --test-dir "$SUITE_ROOT/build" --output-on-failure --parallel "$jobs"

# -- Debian package (desktop) --
echo "== Debian package: build, unpack into a scratch root, start each program =="
"$SUITE_ROOT/scripts/check_package.sh" "$SUITE_ROOT/build"
# -- end Debian package --

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer =="
suite_build "$SUITE_ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DSUITE_WERROR=ON \
  -DSUITE_SANITIZE=ON -DSUITE_BENCHMARKS=OFF
# Qt's own libraries are not instrumented; leak reports from their caches say
# nothing about this code.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$SUITE_ROOT/build-asan" --output-on-failure --parallel "$jobs"

# ---- Fuzzing and the Windows cross build -------------------------------------
if [ "$suite_run_fuzz" -eq 1 ]; then
  echo "== Fuzz every parser for a few seconds each =="
  # Short enough for the whole step to stay within three minutes; the long
  # runs are scripts/fuzz.sh with a longer time.
  "$SUITE_ROOT/scripts/fuzz.sh" "${SUITE_FUZZ_SECONDS:-6}"
fi
if [ "$suite_run_windows" -eq 1 ]; then
  echo "== Cross-build the core libraries for Windows and test them under wine =="
  "$SUITE_ROOT/scripts/windows-check.sh"
fi
# -----------------------------------------------------------------------------
