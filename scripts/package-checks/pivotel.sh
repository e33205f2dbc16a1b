#!/usr/bin/env bash
# scripts/package-checks/pivotel.sh <root>: the installed Pivotel's commands (--export, --create) without a window, from the package
# unpacked into <root>. scripts/check_package.sh runs it.
set -uo pipefail
root="${1:?usage: scripts/package-checks/pivotel.sh <unpacked package root>}"
status=0
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
exit $status
