# The editor's translations. Russian is the source language; every other
# interface language is a .ts file here, compiled by lrelease at build time and
# embedded into brenwick_core under the resource prefix "/i18n".
set(BRENWICK_TS_FILES ${CMAKE_SOURCE_DIR}/resources/translations/brenwick_en.ts)
# The options lupdate runs with, here (target update_translations) and in
# scripts/update-translations.sh alike: no line numbers, so that a moved line
# changes nothing in the .ts file, and no texts the sources no longer have.
set(BRENWICK_LUPDATE_OPTIONS -locations none -no-obsolete -source-language ru_RU)
qt_add_translations(brenwick_core
  TS_FILES ${BRENWICK_TS_FILES}
  SOURCES ${BRENWICK_RULES_SOURCES} ${BRENWICK_BASE_SOURCES} ${BRENWICK_SOURCES}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS ${BRENWICK_LUPDATE_OPTIONS})
