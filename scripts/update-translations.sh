#!/usr/bin/env bash
# Refreshes the interface translations from the sources: every text wrapped
# in tr(), QT_TR_NOOP, QT_TRANSLATE_NOOP or QCoreApplication::translate under
# src/ gets its entry in resources/translations/brenwick_en.ts. New texts come
# in unfinished; texts gone from the sources are dropped. A new text that
# equals or resembles one already translated (a text moved to another class,
# a corrected spelling) comes in unfinished with that translation as a
# suggestion. Then it lists every unfinished entry, with its suggestion.
#   bash scripts/update-translations.sh           refresh, then list what is left
#   bash scripts/update-translations.sh --list    only list what is left
#   bash scripts/update-translations.sh --accept  take every listed suggestion as
#                                                 it is (review the list first)
# Translate the rest in Qt Linguist, or by hand: fill <translation> and remove
# type="unfinished". The tests' translation check fails while any is left.
set -euo pipefail
cd "$(dirname "$0")/.."

TS_FILES=(resources/translations/brenwick_en.ts)
# The same options as the build's update_translations target (cmake/BrenwickTranslations.cmake).
OPTIONS=(-locations none -no-obsolete -source-language ru_RU)

find_lupdate() {
  local bins
  bins="$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || true)"
  for candidate in "$bins/lupdate" /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then
      echo "$candidate"
      return
    fi
  done
  echo "lupdate not found: install qt6-l10n-tools (bash scripts/setup.sh)" >&2
  exit 1
}

case "${1:-}" in
  --list) ;;
  --accept)
    # An unfinished entry whose translation is already filled in becomes finished.
    for ts in "${TS_FILES[@]}"; do
      sed -i 's|<translation type="unfinished">\([^<]\)|<translation>\1|' "$ts"
    done ;;
  "")
    lupdate="$(find_lupdate)"
    # First with the vanished texts kept, so that a changed text can take its
    # old translation as a suggestion; then without them.
    "$lupdate" src -locations none -source-language ru_RU -ts "${TS_FILES[@]}"
    if command -v python3 >/dev/null; then
      python3 scripts/suggest_translations.py "${TS_FILES[@]}"
    else
      echo "(python3 not found: no suggestions from changed texts)" >&2
    fi
    "$lupdate" src "${OPTIONS[@]}" -ts "${TS_FILES[@]}" ;;
  *)
    echo "usage: bash scripts/update-translations.sh [--list|--accept]" >&2
    exit 2 ;;
esac

left=0
for ts in "${TS_FILES[@]}"; do
  # Each unfinished entry: its context, its source text and any suggestion (first lines).
  entries="$(awk '
    /<name>/ { line = $0; gsub(/.*<name>|<\/name>.*/, "", line); context = line }
    /<source>/ { source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source) }
    /<translation type="unfinished"/ {
      hint = $0; sub(/.*<translation type="unfinished">/, "", hint); sub(/<\/translation>.*/, "", hint)
      print context ": " source (hint == "" ? "" : "   ->  suggested: " hint)
    }
  ' "$ts")"
  if [ -n "$entries" ]; then
    count="$(printf '%s\n' "$entries" | wc -l)"
    left=$((left + count))
    echo "$ts: $count unfinished:"
    printf '%s\n' "$entries" | sed 's/^/  /'
  fi
done
if [ "$left" -eq 0 ]; then
  echo "Every text is translated."
fi
