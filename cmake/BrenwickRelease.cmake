# The release record, resources/release.txt: read before project() so that the
# project's version is the record's. Sets BRENWICK_RELEASE_VERSION,
# BRENWICK_RELEASE_DATE (YYYY-MM-DD) and BRENWICK_RELEASE_NOTE.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../resources/release.txt brenwick_release_lines
     REGEX "^[a-z]+=" ENCODING UTF-8)
foreach(line IN LISTS brenwick_release_lines)
  string(REGEX MATCH "^([a-z]+)=(.*)$" _ "${line}")
  string(TOUPPER "${CMAKE_MATCH_1}" key)
  set(BRENWICK_RELEASE_${key} "${CMAKE_MATCH_2}")
endforeach()
foreach(key VERSION DATE NOTE)
  if(NOT BRENWICK_RELEASE_${key})
    message(FATAL_ERROR "resources/release.txt gives no ${key}")
  endif()
endforeach()
if(NOT BRENWICK_RELEASE_DATE MATCHES "^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
  message(FATAL_ERROR "resources/release.txt: date is not YYYY-MM-DD: ${BRENWICK_RELEASE_DATE}")
endif()
