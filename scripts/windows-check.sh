#!/usr/bin/env bash
# scripts/windows-check.sh: cross-builds common/core and every program's core
# library with their Qt-free tests for 64-bit Windows (Debian's mingw-w64,
# GoogleTest from /usr/src/googletest) in build-windows/, and runs the tests
# under wine. Exits non-zero on a failed build or test.
set -euo pipefail
source "$(dirname "$0")/common.sh"

build="${SUITE_WINDOWS_BUILD:-$SUITE_ROOT/build-windows}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S "$SUITE_ROOT/cmake/windows-core" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$SUITE_ROOT/cmake/mingw-w64.cmake" \
  -DSUITE_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# A wine prefix of its own, made once: the first start takes half a minute.
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wine wineboot --init >/dev/null 2>&1 || true
fi
ctest --test-dir "$build" --output-on-failure
