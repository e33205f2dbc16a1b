#!/usr/bin/env bash
# scripts/windows-check.sh: cross-builds common/core and every program's core
# library with their Qt-free tests for 64-bit Windows (Debian's mingw-w64,
# GoogleTest from /usr/src/googletest, libsquish from Debian's source
# package) in build-windows/, and runs the tests under wine. Exits non-zero on
# a failed build or test.
set -euo pipefail
source "$(dirname "$0")/common.sh"

build="${SUITE_WINDOWS_BUILD:-$SUITE_ROOT/build-windows}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# Texpeek's core needs libsquish, which Debian builds for the host only: its
# source package, the version the host has, is fetched once into the build
# folder and built for the target with the cores. apt works from a sources
# list and state of its own there, so the machine's configuration is left as
# it is; the files are checked against Debian's signed index as any apt
# download is.
suite_fetch_squish_source() {
  local deps="$build/deps"
  local source="$deps/libsquish"
  [ -f "$source/squish.h" ] && { echo "$source"; return 0; }
  local version codename
  version="$(dpkg-query -W -f='${source:Version}' libsquish-dev)"
  codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  local apt_dir="$deps/apt"
  rm -rf "$apt_dir" "$source"
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/download"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
    "http://deb.debian.org/debian $codename main" >"$apt_dir/sources.list"
  local apt_options=(-qq -o Dir::Etc::SourceList="$apt_dir/sources.list"
    -o Dir::Etc::SourceParts=/dev/null -o Dir::State::Lists="$apt_dir/lists"
    -o Dir::Cache="$apt_dir/cache" -o APT::Sandbox::User="$(id -un)")
  if ! apt-get "${apt_options[@]}" update >&2 ||
    ! (cd "$apt_dir/download" &&
      apt-get "${apt_options[@]}" source --download-only "libsquish=$version" >&2); then
    echo "Could not fetch Debian's libsquish $version source package, which the Windows" \
      "build of Texpeek's core needs; ./test.sh --no-windows skips this step." >&2
    return 1
  fi
  # The signature check of the .dsc would need Debian's developer keyring;
  # apt has already checked every file against the signed index, so only a
  # failure is worth showing.
  if ! dpkg-source -x "$apt_dir/download"/libsquish_*.dsc "$source" >"$deps/unpack.log" 2>&1; then
    cat "$deps/unpack.log" >&2
    return 1
  fi
  echo "$source"
}
squish_source="$(suite_fetch_squish_source)"

# A wine prefix of its own, made once: the first start takes half a minute,
# so it is made while the build runs.
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all
wineboot_pid=""
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$build"
  { wine wineboot --init >/dev/null 2>&1 || true; } &
  wineboot_pid=$!
fi

# No debug information: nothing here is debugged, and it doubles the
# compile and link time. The tests compiled a few sources to a file, as
# ./test.sh's other builds do: they spend most of their time on GoogleTest's
# headers.
cmake -S "$SUITE_ROOT/cmake/windows-core" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$SUITE_ROOT/cmake/mingw-w64.cmake" \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
  -DSUITE_SQUISH_SOURCE="$squish_source" \
  -DSUITE_WERROR=ON -DSUITE_UNITY_TESTS=ON "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

[ -n "$wineboot_pid" ] && wait "$wineboot_pid"
ctest --test-dir "$build" --output-on-failure
