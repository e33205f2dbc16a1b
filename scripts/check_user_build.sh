#!/usr/bin/env bash
# scripts/check_user_build.sh: checks that ./run.sh asks for no package that
# only the tests need, and that a build without tests configures with the
# test libraries hidden (GoogleTest, Google Benchmark, Qt Test).
set -euo pipefail
source "$(dirname "$0")/common.sh"

status=0
for program in $SUITE_ALL_PROGRAMS; do
  # shellcheck disable=SC2046 # one package a word
  for pkg in "${SUITE_RUN_PACKAGES[@]}" $(suite_program_packages "$program"); do
    if printf '%s\n' "${SUITE_TEST_PACKAGES[@]}" | grep -qx -- "$pkg"; then
      echo "FAIL: ./run.sh $program installs $pkg, which only the tests need" >&2
      status=1
    fi
  done
done

build="$(mktemp -d)"
trap 'rm -rf "$build"' EXIT
if ! log="$(cmake -S "$SUITE_ROOT" -B "$build" -DBUILD_TESTING=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON 2>&1)"; then
  echo "$log" >&2
  echo "FAIL: a build with BUILD_TESTING=OFF does not configure without the test libraries" >&2
  status=1
fi
[ $status -eq 0 ] && echo "run.sh needs no test package; BUILD_TESTING=OFF configures without them"
exit $status
