# Sourced by run.sh and test.sh: installs what a fresh Debian 12 machine lacks
# and configures/builds one build tree.

SUITE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SUITE_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  nginx
  # Texpeek's block decoding; Tailfetch's TLS, no-range and lighttpd tests
  # (their servers start from the tests, never as system services).
  libsquish-dev openssl python3 lighttpd
  # Tailfetch hashes completed files with OpenSSL's digests (libcrypto).
  libssl-dev
  # Fuzzing (clang with libFuzzer) and the Windows cross build run under wine.
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix googletest wine wine64
  # Desktop integration: launcher checks, file types, Qt's own translations,
  # the Debian package (dpkg-shlibdeps, file) and the format check.
  desktop-file-utils shared-mime-info qt6-translations-l10n dpkg-dev file clang-format-14
)

suite_install_missing() {
  local missing=()
  for pkg in "${SUITE_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root, or install them first)" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # The nginx package must not try to start a system-wide server here: the
  # Tailfetch tests start their own on a free loopback port.
  local own_policy=0
  if [ ! -e /usr/sbin/policy-rc.d ]; then
    printf '#!/bin/sh\nexit 101\n' > /usr/sbin/policy-rc.d && chmod +x /usr/sbin/policy-rc.d
    own_policy=1
  fi
  local rc=0
  apt-get install -y -qq --no-install-recommends "${missing[@]}" || rc=$?
  [ $own_policy -eq 1 ] && rm -f /usr/sbin/policy-rc.d
  return $rc
}

# suite_build <build-dir> [extra cmake args...]
suite_build() {
  local dir="$1"; shift
  cmake -S "$SUITE_ROOT" -B "$dir" "$@" >/dev/null || return 1
  cmake --build "$dir" --parallel "$(nproc)"
}
