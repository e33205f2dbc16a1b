#!/usr/bin/env bash
# scripts/check_format.sh [file...]: fails, naming each file, when a C++ file
# does not follow .clang-format. Without arguments it checks every C++ file
# of the repository (tracked or new, not ignored). clang-format 14 is the
# reference: other versions lay some constructs out differently.
set -euo pipefail
cd "$(dirname "$0")/.."

formatter="${CLANG_FORMAT:-$(command -v clang-format-14 || command -v clang-format || true)}"
if [ -z "$formatter" ]; then
  echo "clang-format 14 is missing (Debian package clang-format-14)" >&2
  exit 2
fi

if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | sort -u)
fi

unformatted=()
for file in "${files[@]}"; do
  [ -f "$file" ] || continue
  if ! "$formatter" --style=file --dry-run --Werror "$file" >/dev/null 2>&1; then
    unformatted+=("$file")
  fi
done

if [ ${#unformatted[@]} -gt 0 ]; then
  printf 'not formatted: %s\n' "${unformatted[@]}" >&2
  echo "${#unformatted[@]} file(s) differ from .clang-format; run: $formatter -i <file>" >&2
  exit 1
fi
echo "${#files[@]} file(s) follow .clang-format"
