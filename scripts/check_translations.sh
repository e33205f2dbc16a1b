#!/usr/bin/env bash
# Every text the windows show goes through Qt's translation system and has a
# finished translation in both of its program's Qt Linguist files
# (<dir>/translations/<dir>_en.ts and <dir>_pt_BR.ts). lupdate is run over the
# sources into copies of the files; the check fails when a copy gains a text
# with no translation, or differs from the file in the repository (a text
# added or gone: run this script with --update, then translate what it marks
# unfinished, in Qt Linguist or by hand).
#
#   scripts/check_translations.sh            check every program that has .ts files
#   scripts/check_translations.sh --update   rewrite the .ts files from the sources
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lupdate="${LUPDATE:-$(command -v lupdate-qt6 || true)}"
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
if [ ! -x "$lupdate" ]; then
  echo "check_translations: lupdate not found (Debian package qt6-l10n-tools)" >&2
  exit 1
fi
update=0
[ "${1:-}" = "--update" ] && update=1

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

failed=0
checked=0
for dir in common probegrid aliasmith tailfetch texpeek entwright pivotel; do
  [ -d "$root/$dir/translations" ] || continue
  # The code that shows texts; core/ is plain C++ and tests show none.
  sources=()
  for part in main.cpp ui app cli job; do
    [ -e "$root/$dir/$part" ] && sources+=("$root/$dir/$part")
  done
  for code in en pt_BR; do
    ts="$root/$dir/translations/${dir}_${code}.ts"
    if [ ! -f "$ts" ]; then
      echo "missing: ${ts#"$root/"}" >&2
      failed=1
      continue
    fi
    copy="$scratch/${dir}_${code}.ts"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h -I "$root/$dir" -I "$root" \
      -target-language "$code" "${sources[@]}" -ts "$copy" >/dev/null
    if [ $update -eq 1 ]; then
      cp "$copy" "$ts"
    fi
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    empty=$(grep -c '<translation></translation>' "$copy" || true)
    if [ "$unfinished" -ne 0 ] || [ "$empty" -ne 0 ]; then
      echo "${ts#"$root/"}: $((unfinished + empty)) text(s) without a translation:" >&2
      grep -B2 -e 'type="unfinished"' -e '<translation></translation>' "$copy" |
        sed -n 's/.*<source>\(.*\)<\/source>.*/    \1/p' >&2
      failed=1
    elif [ $update -eq 0 ] && ! cmp -s "$ts" "$copy"; then
      echo "${ts#"$root/"}: out of date with the sources (run $0 --update):" >&2
      diff "$ts" "$copy" | head -20 >&2 || true
      failed=1
    fi
    checked=$((checked + 1))
  done
done

if [ $failed -ne 0 ]; then
  exit 1
fi
echo "translations: $checked file(s) complete"
