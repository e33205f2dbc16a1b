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

# Each program's own checks of what it installs (its commands, its
# thumbnailer), one script a program in scripts/package-checks/.
for program in $programs; do
  check="$(dirname "$0")/package-checks/$program.sh"
  [ -x "$check" ] || continue
  "$check" "$root" || { echo "FAIL: the installed $program did not pass $check" >&2; status=1; }
done
[ $status -eq 0 ] && echo "$(basename "$deb"): every program starts and answers --version"
exit $status
