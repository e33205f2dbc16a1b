#!/usr/bin/env bash
# Writes the starting inputs of the common fuzz targets: the texts the tests
# of the same rules use. Run from anywhere; rewrites the corpus folders.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cp="$here/corpus/common_cp1252_fuzz"
num="$here/corpus/common_numbers_fuzz"
rm -rf "$cp" "$num"
mkdir -p "$cp" "$num"

# Every byte once; typed text with accents, a code point the page lacks, and
# broken UTF-8.
for b in $(seq 0 255); do printf "\\$(printf %03o "$b")"; done > "$cp/every_byte"
printf 'Portugu\xc3\xaas \xe2\x82\xac 5\r\n' > "$cp/typed_utf8"
printf 'x\xd0\x96y\xf0\x9f\x98\x80' > "$cp/outside_the_page"
printf 'caf\xe9\x99.wad \xc3' > "$cp/stored_bytes"

printf ' -12.5e+3 ' > "$num/signed_exponent"
printf '.5' > "$num/leading_point"
printf '1e999' > "$num/out_of_range"
printf 'inf' > "$num/word"
printf '\x00\x00\x00\x00\x00\x00\x04\xc0' > "$num/minus_two_and_a_half"
printf '\x00\x00\x00\x00\x00\x00\x00\x80' > "$num/most_negative_whole"
