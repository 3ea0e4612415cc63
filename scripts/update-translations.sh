#!/usr/bin/env bash
# Refreshes the interface translations from the sources: every text wrapped
# in tr(), QT_TR_NOOP, QT_TRANSLATE_NOOP or QCoreApplication::translate under
# src/ gets its entry in resources/translations/brenwick_en.ts. New texts come
# in as unfinished (a changed text keeps its old translation as a suggestion,
# still unfinished); texts gone from the sources are dropped. Then it lists
# every entry still unfinished: translate those (Qt Linguist, or by hand:
# fill <translation> and remove type="unfinished"), then build and run the
# tests, whose translation check fails while any entry is left.
#   bash scripts/update-translations.sh          refresh, then list what is left
#   bash scripts/update-translations.sh --list   only list what is left
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

if [ "${1:-}" != "--list" ]; then
  lupdate="$(find_lupdate)"
  "$lupdate" src "${OPTIONS[@]}" -ts "${TS_FILES[@]}"
fi

left=0
for ts in "${TS_FILES[@]}"; do
  # Each unfinished entry: its context and source text (first line).
  entries="$(awk '
    /<name>/ { gsub(/.*<name>|<\/name>.*/, ""); context = $0 }
    /<source>/ { source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source) }
    /<translation type="unfinished"/ { print context ": " source }
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
