# Sourced by run.sh and test.sh: installs what a fresh Debian 12 machine lacks
# and configures/builds one build tree.

SUITE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# What building and running any program needs.
SUITE_RUN_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # Every build: lrelease and qt_add_translations turn the Qt Linguist files
  # into the embedded catalogues; lupdate checks them (check_translations.sh).
  qt6-l10n-tools qt6-tools-dev
  fonts-dejavu-core
  # Qt's own texts (dialog buttons, file dialogs) in the windows' language.
  qt6-translations-l10n
)

# What one program needs on top of SUITE_RUN_PACKAGES.
suite_program_packages() {
  case "$1" in
    # Texpeek's block decoding: libsquish for BC1-BC3, libastcenc for ASTC.
    texpeek) echo libsquish-dev libastcenc-dev ;;
    # Pivotel reduces pictures' colours to a sprite's 256 with libimagequant,
    # and writes animated GIFs with giflib and APNGs with zlib.
    pivotel) echo libimagequant-dev libgif-dev zlib1g-dev ;;
    # Tailfetch hashes completed files with OpenSSL's digests (libcrypto).
    tailfetch) echo libssl-dev ;;
  esac
}

# What only the tests, benchmarks and checks need; never installed by run.sh.
SUITE_TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  # Tailfetch's servers start from the tests, never as system services:
  # nginx, lighttpd, TLS with a test CA, Python's no-range server.
  nginx lighttpd openssl python3
  # Fuzzing (clang with libFuzzer) and the Windows cross build run under wine.
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix googletest wine wine64
  # Desktop integration: launcher checks, file types, the Debian package
  # (dpkg-shlibdeps, file) and the format check.
  desktop-file-utils shared-mime-info dpkg-dev file clang-format-14
)

# Everything ./test.sh needs: every program's packages and the test ones.
suite_all_packages() {
  local program
  echo "${SUITE_RUN_PACKAGES[@]}" "${SUITE_TEST_PACKAGES[@]}"
  for program in $SUITE_ALL_PROGRAMS; do suite_program_packages "$program"; done
}

SUITE_ALL_PROGRAMS="probegrid aliasmith tailfetch texpeek entwright pivotel"

# suite_install_missing <package>...: installs those of them not installed.
suite_install_missing() {
  local missing=()
  for pkg in "$@"; do
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

# suite_configure <build-dir> [extra cmake args...]
suite_configure() {
  local dir="$1"; shift
  cmake -S "$SUITE_ROOT" -B "$dir" "$@" >/dev/null
}

# suite_build <build-dir> [extra cmake args...]: configures and builds all.
suite_build() {
  local dir="$1"; shift
  suite_configure "$dir" "$@" || return 1
  cmake --build "$dir" --parallel "$(nproc)"
}
