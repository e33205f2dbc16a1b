#!/usr/bin/env bash
# scripts/check_package.sh <build-dir>: builds the Debian package of the
# suite from a built tree, unpacks it into a scratch root and checks that each
# installed program starts and answers --version.
set -euo pipefail

build="${1:?usage: scripts/check_package.sh <build-dir>}"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

rm -rf "$build/package"
if ! log="$(cd "$build" && cpack -G DEB 2>&1)"; then
  echo "$log" >&2
  exit 1
fi
packages=("$build"/package/*.deb)
[ ${#packages[@]} -eq 1 ] || { echo "expected one package in $build/package" >&2; exit 1; }
deb="${packages[0]}"
dpkg-deb --info "$deb" >/dev/null
dpkg -x "$deb" "$root"

version="$(dpkg-deb --field "$deb" Version)"
programs="$(sed -n 's/^SUITE_PROGRAMS:STRING=//p' "$build/CMakeCache.txt" | tr ';' ' ')"
status=0
for program in $programs; do
  binary="$root/usr/bin/$program"
  if [ ! -x "$binary" ]; then
    echo "FAIL: $program is not in the package" >&2; status=1; continue
  fi
  answer="$(QT_QPA_PLATFORM=offscreen "$binary" --version 2>/dev/null)" || {
    echo "FAIL: $program --version exited with $?" >&2; status=1; continue; }
  if [ "$answer" != "$program $version" ]; then
    echo "FAIL: $program --version said '$answer', not '$program $version'" >&2; status=1; continue
  fi
  [ -f "$root/usr/share/applications/$program.desktop" ] || { echo "FAIL: no launcher for $program" >&2; status=1; }
done
# --- Pivotel: its commands without a window, run from the installed package ---
if [[ " $programs " == *" pivotel "* ]] && [ -x "$root/usr/bin/pivotel" ]; then
  pivotel_check() {
    local bin="$root/usr/bin/pivotel" work
    work="$(mktemp -d)"
    # A 4 x 2 additive sprite: version 2, type 2, a full palette, one frame.
    python3 - "$work/in.spr" <<'PY'
import struct, sys
i = lambda v: struct.pack('<i', v)
head = b'IDSP' + i(2) + i(2) + i(1) + struct.pack('<f', 2.2) + i(4) + i(2) + i(1) + i(0) + i(0)
palette = struct.pack('<h', 256) + bytes(c for k in range(256) for c in (k, 255 - k, k // 2))
frame = i(0) + i(-2) + i(1) + i(4) + i(2) + bytes(range(0, 256, 32))
open(sys.argv[1], 'wb').write(head + palette + frame)
PY
    printf 'not a sprite' > "$work/not.spr"
    local rc=0
    env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --export "$work/frames" "$work/in.spr" >/dev/null || rc=1
    env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --create "$work/out.spr" "$work/frames" >/dev/null || rc=1
    cmp -s "$work/in.spr" "$work/out.spr" || { echo "FAIL: pivotel export then create changed the sprite" >&2; rc=1; }
    local code=0
    "$bin" --export "$work/x" "$work/not.spr" 2>/dev/null || code=$?
    [ $code -eq 1 ] || { echo "FAIL: pivotel --export of a non-sprite exited $code, not 1" >&2; rc=1; }
    code=0
    "$bin" --create "$work/y.spr" --format glow "$work/frames" 2>/dev/null || code=$?
    [ $code -eq 2 ] || { echo "FAIL: pivotel --create with a bad --format exited $code, not 2" >&2; rc=1; }
    rm -rf "$work"
    return $rc
  }
  pivotel_check || status=1
fi
# --- end of Pivotel ---
[ $status -eq 0 ] && echo "$(basename "$deb"): every program starts and answers --version"
exit $status
