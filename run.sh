#!/usr/bin/env bash
# ./run.sh <program> [arguments...]: installs what is missing, builds, and
# starts the program from the build tree, passing it the arguments (a file to
# open, --help, ...).
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

programs="probegrid aliasmith tailfetch texpeek entwright pivotel"
program="${1:-}"
if [ -z "$program" ] || ! grep -qw -- "$program" <<<"$programs"; then
  echo "usage: ./run.sh <program> [arguments...]   (one of: $programs)" >&2
  exit 2
fi

suite_install_missing
suite_build "$SUITE_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$SUITE_ROOT/build/$program/$program" "${@:2}"
