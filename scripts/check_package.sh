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
# --- Entwright: its commands without a window, run from the installed package ---
if [[ " $programs " == *" entwright "* ]] && [ -x "$root/usr/bin/entwright" ]; then
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
fi
# --- end of Entwright ---
[ $status -eq 0 ] && echo "$(basename "$deb"): every program starts and answers --version"
exit $status
