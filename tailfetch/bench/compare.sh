#!/usr/bin/env bash
# Completes a 1 GiB file of which the first half is present, served by nginx
# on loopback, side by side in one run with the installed-style command line
# `tailfetch --complete`, `curl -C -`, `wget -c` and `aria2c -c`, and once
# more with `tailfetch --complete --sha256` (completion and the whole-file
# check), and prints the wall time, CPU time and peak memory of each. The
# order of the tools turns round every round. Any step that fails stops the
# script with a non-zero status.
# Usage: tailfetch/bench/compare.sh <build dir> [size in MiB, default 1024] [rounds, default 5]
set -euo pipefail
build="${1:?usage: compare.sh <build dir> [MiB] [rounds]}"
mib="${2:-1024}"
rounds="${3:-5}"
tailfetch="$build/tailfetch/tailfetch"
[ -x "$tailfetch" ] || { echo "build $tailfetch first" >&2; exit 1; }

# Every tool is looked for before anything starts, so that a missing one is
# named with the Debian package that brings it instead of failing half-way.
missing=()
command -v curl > /dev/null || missing+=("curl (Debian package curl)")
command -v wget > /dev/null || missing+=("wget (Debian package wget)")
command -v aria2c > /dev/null || missing+=("aria2c (Debian package aria2)")
command -v sha256sum > /dev/null || missing+=("sha256sum (Debian package coreutils)")
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
sum="$(sha256sum "$work/www/big.bin" | cut -c1-64)"

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
head -c "$half" "$work/www/big.bin" > "$work/half.bin"

# name: how each tool completes $work/out/<name>.bin in place.
run_tool() { # name, file
    case "$1" in
        tailfetch) "$tailfetch" --complete "$2" "$url" ;;
        tailfetch+sha256) "$tailfetch" --complete "$2" "$url" --sha256 "$sum" ;;
        curl) curl -sS -f -C - -o "$2" "$url" ;;
        wget) wget -q -c -O "$2" "$url" ;;
        aria2c) aria2c -q -c --allow-overwrite=false --auto-file-renaming=false \
                    -d "$(dirname "$2")" -o "$(basename "$2")" "$url" ;;
    esac
}

measure() { # name
    local name="$1" file="$work/out/$1.bin"
    mkdir -p "$work/out"
    cp "$work/half.bin" "$file"
    # The server's file in the page cache, and no write of an earlier step
    # still waiting to reach the disk, for all alike.
    cat "$work/www/big.bin" > /dev/null
    sync
    if ! "$time_program" -o "$work/time.txt" -f "%e %U %S %M" \
        bash -c "$(declare -f run_tool); tailfetch='$tailfetch' url='$url' sum='$sum' run_tool '$name' '$file' && sync" \
        > /dev/null 2> "$work/stderr.txt"; then
        echo "$name failed:" >&2
        cat "$work/stderr.txt" "$work/time.txt" >&2
        exit 1
    fi
    if ! cmp -s "$file" "$work/www/big.bin"; then
        echo "$name left a file that is not the served one" >&2
        exit 1
    fi
    read -r wall user sys peak < "$work/time.txt"
    awk -v n="$name" -v w="$wall" -v u="$user" -v s="$sys" -v m="$peak" 'BEGIN {
        printf "%-17s wall %6.2f s  cpu %5.2f s  peak RSS %6.1f MiB\n", n, w, u + s, m / 1024 }'
    rm -f "$file" "$work/out/$name.bin.aria2"
}

tools=(tailfetch curl wget aria2c tailfetch+sha256)
for round in $(seq "$rounds"); do
    echo "round $round"
    # Each round starts with the next tool, so that none is always first.
    for i in "${!tools[@]}"; do
        measure "${tools[$(((i + round - 1) % ${#tools[@]}))]}"
    done
done
