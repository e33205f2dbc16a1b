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
