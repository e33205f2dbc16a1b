#!/usr/bin/env bash
# scripts/package-checks/tailfetch.sh <root>: the installed Tailfetch completes a half file from Python's
# http.server on a free loopback port (a server that ignores ranges, so every
# present byte is compared), checked against its SHA-256; bad arguments give 2;
# the window's module is found where the package puts it, from the package
# unpacked into <root>. scripts/check_package.sh runs it.
set -uo pipefail
root="${1:?usage: scripts/package-checks/tailfetch.sh <unpacked package root>}"
status=0
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
# No command option: the launcher loads the window's module from the
# package's library folder, and the window's start-up reads the rest of the
# command line (a mistake there ends it with 2 before any window shows).
tf_rc=0
QT_QPA_PLATFORM=offscreen "$root/usr/bin/tailfetch" --no-such-option > /dev/null 2> "$tf_work/err.txt" || tf_rc=$?
if [ $tf_rc -ne 2 ] || ! grep -q "^tailfetch: Unknown option 'no-such-option'" "$tf_work/err.txt"; then
  echo "FAIL: the installed tailfetch did not start its window's module (exit $tf_rc):" >&2
  cat "$tf_work/err.txt" >&2
  status=1
fi
kill "$tf_server" 2> /dev/null || true
wait "$tf_server" 2> /dev/null || true
exit $status
