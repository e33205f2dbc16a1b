#!/usr/bin/env bash
# scripts/package-checks/texpeek.sh <root>: the installed Texpeek's commands (--info, --export, --thumbnail) and
# its thumbnailer as a file manager runs it, from the package
# unpacked into <root>. scripts/check_package.sh runs it.
set -uo pipefail
root="${1:?usage: scripts/package-checks/texpeek.sh <unpacked package root>}"
status=0
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
exit $status
