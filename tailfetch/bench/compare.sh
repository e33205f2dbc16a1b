#!/usr/bin/env bash
# Completes a 1 GiB file of which the first half is present, served by nginx
# on loopback, once with Tailfetch and once with `curl -C -`, and prints the
# wall time and peak memory of each. Any step that fails stops the script
# with a non-zero status.
# Usage: tailfetch/bench/compare.sh <build dir> [size in MiB, default 1024]
set -euo pipefail
build="${1:?usage: compare.sh <build dir> [MiB]}"
mib="${2:-1024}"
fetch="$build/tailfetch/tailfetch_fetch"
[ -x "$fetch" ] || { echo "build $fetch first" >&2; exit 1; }

# Every tool is looked for before anything starts, so that a missing one is
# named with the Debian package that brings it instead of failing half-way.
missing=()
command -v curl > /dev/null || missing+=("curl (Debian package curl)")
# The shell's own `time` keyword cannot tell the peak memory; GNU time can.
time_program="$(type -P time)" || missing+=("GNU time (Debian package time)")
command -v python3 > /dev/null || missing+=("python3 (Debian package python3)")
# Debian puts nginx in /usr/sbin, which an ordinary user's PATH lacks.
nginx_program="$(command -v nginx)" || nginx_program=/usr/sbin/nginx
[ -x "$nginx_program" ] || missing+=("nginx (Debian package nginx)")
if [ "${#missing[@]}" -gt 0 ]; then
    printf 'compare.sh needs: %s\n' "${missing[@]}" >&2
    exit 1
fi

work="$(mktemp -d)"
nginx_pid=""
cleanup() {
    # nginx ends by the signal; that status is no failure of the comparison.
    set +e
    if [ -n "$nginx_pid" ]; then
        kill "$nginx_pid" 2> /dev/null && wait "$nginx_pid" 2> /dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
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
"$nginx_program" -p "$work" -e "$work/error.log" -c "$work/nginx.conf" -g "daemon off; master_process off;" &
nginx_pid=$!
ready=no
for _ in $(seq 100); do
    if ! kill -0 "$nginx_pid" 2> /dev/null; then
        break
    fi
    if (exec 3<> /dev/tcp/127.0.0.1/"$port") 2> /dev/null; then
        ready=yes
        break
    fi
    sleep 0.1
done
if [ "$ready" != yes ]; then
    echo "nginx did not come up on 127.0.0.1:$port:" >&2
    cat "$work/error.log" >&2
    exit 1
fi
url="http://127.0.0.1:$port/big.bin"

measure() { # name, command...
    local name="$1"; shift
    # The server's file in the page cache, and no write of an earlier step
    # still waiting to reach the disk, for both alike.
    cat "$work/www/big.bin" > /dev/null
    sync
    if ! "$time_program" -o "$work/time.txt" -f "$name wall %e s, peak RSS %M KiB" \
        sh -c '"$@" && sync' sh "$@" > /dev/null 2> "$work/stderr.txt"; then
        echo "$name failed:" >&2
        cat "$work/stderr.txt" "$work/time.txt" >&2
        exit 1
    fi
    cat "$work/time.txt"
}

identical() { # copy
    if ! cmp "$1" "$work/www/big.bin"; then
        echo "$1 is not the served file" >&2
        exit 1
    fi
}

head -c "$half" "$work/www/big.bin" > "$work/tailfetch.bin"
head -c "$half" "$work/www/big.bin" > "$work/curl.bin"
for round in 1 2 3 4 5; do
    echo "round $round"
    cp "$work/tailfetch.bin" "$work/t.bin"; cp "$work/curl.bin" "$work/c.bin"
    if [ $((round % 2)) -eq 1 ]; then
        measure tailfetch "$fetch" "$url" "$work/t.bin"
        measure curl curl -sS -f -C - -o "$work/c.bin" "$url"
    else
        measure curl curl -sS -f -C - -o "$work/c.bin" "$url"
        measure tailfetch "$fetch" "$url" "$work/t.bin"
    fi
    identical "$work/t.bin"
    identical "$work/c.bin"
    echo "both byte-identical"
    rm -f "$work/t.bin" "$work/c.bin"
done
