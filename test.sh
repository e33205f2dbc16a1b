#!/usr/bin/env bash
# ./test.sh: installs what is missing, builds with warnings as errors, runs
# every test, then does it all once more under AddressSanitizer and
# UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

suite_install_missing
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

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
