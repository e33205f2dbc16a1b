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
# ---- Texpeek: its commands and its thumbnailer, run from the package ---------
if [[ " $programs " == *" texpeek "* ]] && [ -x "$root/usr/bin/texpeek" ]; then
  texpeek_check() {
    local bin="$root/usr/bin/texpeek" work rc=0 code
    work="$(mktemp -d)"
    le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }
    # A DXT1 header of the given sides; the blocks follow it.
    dds_header() {
      printf 'DDS '; le32 124; le32 0x1007; le32 "$2"; le32 "$1"; le32 0; le32 0; le32 0
      for _ in $(seq 11); do le32 0; done
      le32 32; le32 4; printf 'DXT1'; for _ in $(seq 5); do le32 0; done
      le32 0x1000; le32 0; le32 0; le32 0; le32 0
    }
    { dds_header 8 8; for _ in 1 2 3 4; do printf '\xff\xff\x00\x00\x00\x00\x00\x00'; done; } >"$work/white.dds"
    { dds_header 46340 46340; head -c 24 /dev/zero; } >"$work/lying.dds"
    local png=$'\x89PNG'
    "$bin" --info "$work/white.dds" | grep -q '^Magic Value - 542327876$' ||
      { echo "FAIL: texpeek --info did not print the header report" >&2; rc=1; }
    "$bin" --export "$work/white.png" "$work/white.dds" &&
      [ "$(head -c 4 "$work/white.png")" = "$png" ] ||
      { echo "FAIL: texpeek --export wrote no PNG" >&2; rc=1; }
    code=0; "$bin" --export "$work/white.png" "$work/white.dds" 2>/dev/null || code=$?
    [ $code -eq 1 ] || { echo "FAIL: texpeek --export over an existing file exited $code, not 1" >&2; rc=1; }
    code=0; "$bin" --info "$work/white.dds" "$work/missing.dds" >/dev/null 2>&1 || code=$?
    [ $code -eq 1 ] || { echo "FAIL: texpeek --info of a missing file exited $code, not 1" >&2; rc=1; }
    code=0; "$bin" --thumbnail big "$work/white.dds" "$work/t.png" 2>/dev/null || code=$?
    [ $code -eq 2 ] || { echo "FAIL: texpeek --thumbnail with a bad size exited $code, not 2" >&2; rc=1; }
    code=0; "$bin" --thumbnail 128 "$work/lying.dds" "$work/lying.png" 2>/dev/null || code=$?
    [ $code -eq 1 ] || { echo "FAIL: texpeek --thumbnail of a lying header exited $code, not 1" >&2; rc=1; }
    # The thumbnailer as a file manager runs it: its Exec line, %s %i %o filled in.
    local entry="$root/usr/share/thumbnailers/texpeek.thumbnailer" exec
    if [ -f "$entry" ] && grep -q '^MimeType=image/x-dds;$' "$entry"; then
      exec="$(sed -n 's/^Exec=//p' "$entry")"
      exec="${exec//%s/4}"; exec="${exec//%i/$work/white.dds}"; exec="${exec//%o/$work/thumb.png}"
      exec="${exec/#texpeek/$bin}"
      env -u DISPLAY -u WAYLAND_DISPLAY $exec &&
        [ "$(head -c 4 "$work/thumb.png")" = "$png" ] ||
        { echo "FAIL: the texpeek thumbnailer made no PNG" >&2; rc=1; }
    else
      echo "FAIL: no thumbnailer for image/x-dds in the package" >&2; rc=1
    fi
    rm -rf "$work"
    return $rc
  }
  texpeek_check || status=1
fi
# -----------------------------------------------------------------------------

# --- Probegrid: the installed program reads --daily without a display ---
if [[ " $programs " == *" probegrid "* ]]; then
  pg="$root/usr/bin/probegrid"
  code=0
  env -u DISPLAY -u WAYLAND_DISPLAY "$pg" --daily 2026-02-30 >/dev/null 2>&1 || code=$?
  [ $code -eq 2 ] || { echo "FAIL: probegrid --daily with a bad date exited with $code, not 2" >&2; status=1; }
  env -u DISPLAY -u WAYLAND_DISPLAY "$pg" --help 2>/dev/null | grep -q -- '--daily YYYY-MM-DD' ||
    { echo "FAIL: probegrid --help does not list --daily" >&2; status=1; }
fi
# --- end of Probegrid ---

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

# ---- Tailfetch: the installed command line completes a file ---------------
# A half file is completed from Python's http.server on a free loopback port
# (a server that ignores ranges, so every present byte is compared), checked
# against its SHA-256; bad arguments must give 2.
if [[ " $programs " == *" tailfetch "* ]] && [ -x "$root/usr/bin/tailfetch" ]; then
  tf_work="$root/tailfetch-check"
  mkdir -p "$tf_work/www"
  head -c 300000 /dev/urandom > "$tf_work/www/f.bin"
  head -c 100000 "$tf_work/www/f.bin" > "$tf_work/f.bin"
  tf_port="$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')"
  python3 -m http.server --bind 127.0.0.1 --directory "$tf_work/www" "$tf_port" > /dev/null 2>&1 &
  tf_server=$!
  for _ in $(seq 100); do
    (exec 3<> "/dev/tcp/127.0.0.1/$tf_port") 2> /dev/null && break
    sleep 0.1
  done
  tf_sum="$(sha256sum "$tf_work/www/f.bin" | cut -c1-64)"
  tf_rc=0
  "$root/usr/bin/tailfetch" --complete "$tf_work/f.bin" "http://127.0.0.1:$tf_port/f.bin" \
    --sha256 "$tf_sum" > /dev/null 2> "$tf_work/err.txt" || tf_rc=$?
  if [ $tf_rc -ne 0 ] || ! cmp -s "$tf_work/f.bin" "$tf_work/www/f.bin"; then
    echo "FAIL: tailfetch --complete exited with $tf_rc or left another file:" >&2
    cat "$tf_work/err.txt" >&2
    status=1
  fi
  tf_rc=0
  "$root/usr/bin/tailfetch" --complete "$tf_work/f.bin" > /dev/null 2>&1 || tf_rc=$?
  [ $tf_rc -eq 2 ] || { echo "FAIL: tailfetch --complete without a URL exited with $tf_rc, not 2" >&2; status=1; }
  kill "$tf_server" 2> /dev/null || true
  wait "$tf_server" 2> /dev/null || true
fi

[ $status -eq 0 ] && echo "$(basename "$deb"): every program starts and answers --version"
exit $status
