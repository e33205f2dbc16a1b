#!/usr/bin/env bash
# scripts/package-checks/entwright.sh <root>: the installed Entwright's commands (--check, --export, --import)
# without a window, from the package
# unpacked into <root>. scripts/check_package.sh runs it.
set -uo pipefail
root="${1:?usage: scripts/package-checks/entwright.sh <unpacked package root>}"
status=0
  entwright_check() {
    local bin="$root/usr/bin/entwright" work rc=0 code
    work="$(mktemp -d)"
    # A version 30 map whose entity lump (CR LF lines, closing NUL) names a
    # target no entity has; one other lump after it.
    python3 - "$work/m.bsp" <<'PY'
import struct, sys
ents = b'{\r\n"classname" "worldspawn"\r\n}\r\n{\r\n"classname" "trigger_once"\r\n"target" "gone"\r\n}\r\n\0'
pad = b'\0' * ((4 - len(ents) % 4) % 4)
other = bytes(range(16))
head_len = 4 + 15 * 8
lumps = [(head_len, len(ents)), (head_len + len(ents) + len(pad), len(other))] + [(0, 0)] * 13
head = struct.pack('<i', 30) + b''.join(struct.pack('<ii', o, l) for o, l in lumps)
open(sys.argv[1], 'wb').write(head + ents + pad + other)
PY
    printf '@SolidClass = worldspawn []\n@SolidClass = trigger_once [ target(target_destination) : "Target" ]\n' > "$work/g.fgd"
    code=0
    env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --check --fgd "$work/g.fgd" "$work/m.bsp" > "$work/out" || code=$?
    [ $code -eq 1 ] || { echo "FAIL: entwright --check of a map with a problem exited $code, not 1" >&2; rc=1; }
    grep -qx "$work/m.bsp:6: warning: 'target' names 'gone', which no entity has as its targetname" "$work/out" \
      || { echo "FAIL: entwright --check printed: $(cat "$work/out")" >&2; rc=1; }
    cp "$work/m.bsp" "$work/before.bsp"
    env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --export "$work/m.bsp" >/dev/null || { echo "FAIL: entwright --export failed" >&2; rc=1; }
    code=0
    "$bin" --export "$work/m.bsp" 2>/dev/null >/dev/null || code=$?
    [ $code -eq 1 ] || { echo "FAIL: entwright --export over an existing .ent exited $code, not 1" >&2; rc=1; }
    env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --import "$work/m.bsp" >/dev/null || { echo "FAIL: entwright --import failed" >&2; rc=1; }
    cmp -s "$work/m.bsp" "$work/before.bsp" || { echo "FAIL: entwright export then import changed the map" >&2; rc=1; }
    code=0
    "$bin" --check "$work/missing.bsp" 2>/dev/null >/dev/null || code=$?
    [ $code -eq 2 ] || { echo "FAIL: entwright --check of a missing map exited $code, not 2" >&2; rc=1; }
    rm -rf "$work"
    return $rc
  }
  entwright_check || status=1
exit $status
