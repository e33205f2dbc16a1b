#!/usr/bin/env bash
# scripts/package-checks/probegrid.sh <root>: the installed Probegrid reads --daily without a display, from the package
# unpacked into <root>. scripts/check_package.sh runs it.
set -uo pipefail
root="${1:?usage: scripts/package-checks/probegrid.sh <unpacked package root>}"
status=0
pg="$root/usr/bin/probegrid"
code=0
env -u DISPLAY -u WAYLAND_DISPLAY "$pg" --daily 2026-02-30 >/dev/null 2>&1 || code=$?
[ $code -eq 2 ] || { echo "FAIL: probegrid --daily with a bad date exited with $code, not 2" >&2; status=1; }
env -u DISPLAY -u WAYLAND_DISPLAY "$pg" --help 2>/dev/null | grep -q -- '--daily YYYY-MM-DD' ||
  { echo "FAIL: probegrid --help does not list --daily" >&2; status=1; }
exit $status
