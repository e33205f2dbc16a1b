#!/usr/bin/env bash
# Completes a 1 GiB file of which the first half is present, served by nginx
# on loopback, once with Tailfetch and once with `curl -C -`, and prints the
# wall time and peak memory of each.
# Usage: tailfetch/bench/compare.sh <build dir> [size in MiB, default 1024]
set -euo pipefail
build="${1:?usage: compare.sh <build dir> [MiB]}"
mib="${2:-1024}"
fetch="$build/tailfetch/tailfetch_fetch"
[ -x "$fetch" ] || { echo "build $fetch first" >&2; exit 1; }

work="$(mktemp -d)"
trap 'kill "$nginx_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/www"
head -c "$((mib << 20))" /dev/urandom > "$work/www/big.bin"
half=$((mib << 19))

port="$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')"
cat > "$work/nginx.conf" <<CONF
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 64; }
http {
    access_log off;
    client_body_temp_path $work/cb; proxy_temp_path $work/px;
    fastcgi_temp_path $work/fc; uwsgi_temp_path $work/uw; scgi_temp_path $work/sc;
    default_type application/octet-stream;
    sendfile on;
    server { listen 127.0.0.1:$port; root $work/www; }
}
CONF
/usr/sbin/nginx -p "$work" -e "$work/error.log" -c "$work/nginx.conf" -g "daemon off; master_process off;" &
nginx_pid=$!
for _ in $(seq 100); do (exec 3<>/dev/tcp/127.0.0.1/"$port") 2>/dev/null && break; sleep 0.1; done
url="http://127.0.0.1:$port/big.bin"

measure() { # name, command...
    local name="$1"; shift
    # The server's file in the page cache, and no write of an earlier step
    # still waiting to reach the disk, for both alike.
    cat "$work/www/big.bin" > /dev/null
    sync
    /usr/bin/time -f "$name wall %e s, peak RSS %M KiB" sh -c '"$@" && sync' sh "$@" 2>&1 >/dev/null | grep -E "^$name|rror" || true
}

head -c "$half" "$work/www/big.bin" > "$work/tailfetch.bin"
head -c "$half" "$work/www/big.bin" > "$work/curl.bin"
for round in 1 2 3 4 5; do
    echo "round $round"
    cp "$work/tailfetch.bin" "$work/t.bin"; cp "$work/curl.bin" "$work/c.bin"
    if [ $((round % 2)) -eq 1 ]; then
        measure tailfetch "$fetch" "$url" "$work/t.bin"
        measure curl curl -s -C - -o "$work/c.bin" "$url"
    else
        measure curl curl -s -C - -o "$work/c.bin" "$url"
        measure tailfetch "$fetch" "$url" "$work/t.bin"
    fi
    cmp "$work/t.bin" "$work/www/big.bin" && cmp "$work/c.bin" "$work/www/big.bin" && echo "both byte-identical"
    rm -f "$work/t.bin" "$work/c.bin"
done
