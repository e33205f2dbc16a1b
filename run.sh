#!/usr/bin/env bash
# ./run.sh <program> [arguments...]: installs what building and running that
# program needs (nothing the tests need), builds only it, without tests,
# benchmarks or tools, in build-run/, and starts it from there, passing it the
# arguments (a file to open, --help, ...).
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

program="${1:-}"
if [ -z "$program" ] || ! grep -qw -- "$program" <<<"$SUITE_ALL_PROGRAMS"; then
  echo "usage: ./run.sh <program> [arguments...]   (one of: $SUITE_ALL_PROGRAMS)" >&2
  exit 2
fi

# shellcheck disable=SC2046 # one package a word
suite_install_missing "${SUITE_RUN_PACKAGES[@]}" $(suite_program_packages "$program")

build="$SUITE_ROOT/build-run"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
suite_configure "$build" -DCMAKE_BUILD_TYPE=Release -DSUITE_PROGRAMS="$program" \
  -DBUILD_TESTING=OFF -DSUITE_BENCHMARKS=OFF -DSUITE_FUZZ=OFF -DSUITE_TOOLS=OFF "${launcher[@]}"
cmake --build "$build" --parallel "$(nproc)" --target "$program"
exec "$build/$program/$program" "${@:2}"
