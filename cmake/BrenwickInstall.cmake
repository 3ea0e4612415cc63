# What "cmake --install" puts where, besides the two programs:
#   share/applications/brenwick.desktop       the menu entry (Exec=brenwick %f)
#   share/mime/packages/brenwick.xml          the project files' MIME type
#   share/metainfo/org.velmora.brenwick.metainfo.xml  the software centre's entry
#   share/icons/hicolor/NxN/apps/brenwick.png the program icon in the theme sizes
#   share/doc/brenwick/help/*.html            the help pages (also compiled into
#   share/doc/brenwick/icons/*.png            the program), with the pictures they show
# Installed folders are rwxr-xr-x whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(BRENWICK_ICON_SIZES 16 22 24 32 48 64 128 256)
set(BRENWICK_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/brenwick)

install(FILES ${CMAKE_SOURCE_DIR}/resources/brenwick.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/brenwick-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME brenwick.xml)
# The software centre's entry carries this release's version, date and note
# from the release record (cmake/BrenwickRelease.cmake).
set(BRENWICK_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
configure_file(${CMAKE_SOURCE_DIR}/resources/org.velmora.brenwick.metainfo.xml.in
               ${BRENWICK_RELEASE_DIR}/org.velmora.brenwick.metainfo.xml @ONLY)
install(FILES ${BRENWICK_RELEASE_DIR}/org.velmora.brenwick.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS BRENWICK_ICON_SIZES)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/hicolor/${size}x${size}/apps/brenwick.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/
        DESTINATION ${BRENWICK_DOC_DIR}/help)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/icons/
        DESTINATION ${BRENWICK_DOC_DIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${BRENWICK_DOC_DIR})

# The menu player, which the editor copies onto the discs it prepares:
#   share/brenwick/player/Velmora.EXE
if(BRENWICK_PLAYER_EXE)
  install(FILES ${BRENWICK_PLAYER_EXE} DESTINATION ${CMAKE_INSTALL_DATADIR}/brenwick/player)
endif()
