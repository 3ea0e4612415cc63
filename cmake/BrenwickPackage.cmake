# The Debian package, made by "cpack" in the build folder (scripts/package.sh):
# brenwick_<version>_<arch>.deb with everything "cmake --install" puts under /usr,
# plus the copyright file, the changelog and the manual pages a package carries.
set(BRENWICK_PACKAGE_MAINTAINER "Velmora Brenwick maintainers <brenwick@velmora.example>"
    CACHE STRING "The Maintainer field of the Debian package")

# The package's own documents: the copyright file as it stands; the changelog
# (one entry for this version) and the manual pages, dated by the release
# record, compressed as Debian expects them (gzip -9, without name or time).
# With SOURCE_DATE_EPOCH set (scripts/package.sh sets it to the commit's time)
# cpack gives every file of the package that time: two packages of one commit
# are the same bytes.
set(BRENWICK_PACKAGE_DOCS ${CMAKE_BINARY_DIR}/package-docs)
# The changelog's date wants its weekday (Sakamoto's method; 0 is Sunday).
string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" _ "${BRENWICK_RELEASE_DATE}")
set(year ${CMAKE_MATCH_1})
set(month ${CMAKE_MATCH_2})
set(day ${CMAKE_MATCH_3})
math(EXPR offset_index "${month} - 1")
set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
list(GET offsets ${offset_index} offset)
if(month LESS 3)
  math(EXPR year "${year} - 1")
endif()
math(EXPR weekday "(${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${offset} + ${day}) % 7")
set(weekday_names Sun Mon Tue Wed Thu Fri Sat)
list(GET weekday_names ${weekday} weekday_name)
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET month_names ${offset_index} month_name)
string(SUBSTRING "${BRENWICK_RELEASE_DATE}" 0 4 year)
string(SUBSTRING "${BRENWICK_RELEASE_DATE}" 8 2 day)
set(BRENWICK_CHANGELOG_DATE "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000")
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/changelog.in ${BRENWICK_PACKAGE_DOCS}/changelog @ONLY)
foreach(page brenwick.1 brenwick-cli.1)
  configure_file(${CMAKE_SOURCE_DIR}/resources/man/${page}.in ${BRENWICK_PACKAGE_DOCS}/${page} @ONLY)
endforeach()
find_program(BRENWICK_GZIP gzip)
if(BRENWICK_GZIP)
  set(gzipped)
  foreach(source IN ITEMS ${BRENWICK_PACKAGE_DOCS}/changelog
                          ${BRENWICK_PACKAGE_DOCS}/brenwick.1
                          ${BRENWICK_PACKAGE_DOCS}/brenwick-cli.1)
    get_filename_component(name ${source} NAME)
    set(target ${BRENWICK_PACKAGE_DOCS}/${name}.gz)
    add_custom_command(OUTPUT ${target}
      COMMAND sh -c "\"$0\" -9 -n -c \"$1\" > \"$2\"" ${BRENWICK_GZIP} ${source} ${target}
      DEPENDS ${source}
      VERBATIM)
    list(APPEND gzipped ${target})
  endforeach()
  add_custom_target(package_docs ALL DEPENDS ${gzipped})
  # OPTIONAL: a build of some targets only may not have made them yet.
  install(FILES ${BRENWICK_PACKAGE_DOCS}/changelog.gz DESTINATION ${BRENWICK_DOC_DIR} OPTIONAL)
  install(FILES ${BRENWICK_PACKAGE_DOCS}/brenwick.1.gz ${BRENWICK_PACKAGE_DOCS}/brenwick-cli.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 OPTIONAL)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright DESTINATION ${BRENWICK_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brenwick)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${BRENWICK_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the start-up menus of CDs, DVDs and USB sticks")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Velmora Brenwick builds the menu that opens when a disc or a USB stick is
inserted: a tree of commands (groups, programs, web addresses, comment lines
and exits), the look of the menu window and a few options, all saved into one
XML project file, Velmora.XML, which the menu player on the disc reads.
.
The package holds the editor (brenwick) and its command-line companion
(brenwick-cli), which checks, converts and renders projects and prepares disc
folders and images without a window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BRENWICK_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velmora.example/brenwick")
# The libraries come from the binaries; the design's fonts are the metric
# twins of the player's, so the menu is laid out as it will show. Making disc
# images needs xorriso and Russian standard dialogs need Qt's translations:
# without them the editor says so or speaks English there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-crosextra-carlito, fonts-crosextra-caladea, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xorriso, qt6-translations-l10n")
# The menu entry, MIME type and icons are taken up by the desktop's own
# triggers: the package needs no maintainer scripts.
include(CPack)
