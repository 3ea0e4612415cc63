# The player's menu window under Wine and Xvfb: its drawing against the
# editor's, a click on a disc that really runs a program, the exit question,
# and a damaged project file's message box. Skipped (77) without Wine, Xvfb,
# xdotool or the player. It shares the build's one Wine prefix.
find_program(BRENWICK_XVFB_RUN xvfb-run)
if(BRENWICK_PLAYER_EXE AND BRENWICK_XVFB_RUN AND NOT BRENWICK_SANITIZE)
  add_test(NAME PlayerWindow.UnderWine
           COMMAND ${BRENWICK_XVFB_RUN} -a -s "-screen 0 1280x800x24" python3
                   ${CMAKE_CURRENT_LIST_DIR}/menu_window_wine_test.py
                   $<TARGET_FILE:brenwick-cli> ${BRENWICK_PLAYER_EXE} ${CMAKE_BINARY_DIR}/player-window
                   ${CMAKE_BINARY_DIR}/wine-prefix)
  set_tests_properties(PlayerWindow.UnderWine PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 900 RESOURCE_LOCK wine-prefix)
endif()

# The player as a visitor meets it: manifest, keys, double-clicks, a failed
# start, the about window, a design larger than the screen, a second start and
# the path options (a CD drive in the prefix).
if(BRENWICK_PLAYER_EXE AND BRENWICK_XVFB_RUN AND NOT BRENWICK_SANITIZE)
  add_test(NAME PlayerVisitor.UnderWine
           COMMAND ${BRENWICK_XVFB_RUN} -a -s "-screen 0 1280x800x24" python3
                   ${CMAKE_CURRENT_LIST_DIR}/player_visitor_wine_test.py
                   $<TARGET_FILE:brenwick-cli> ${BRENWICK_PLAYER_EXE} ${CMAKE_BINARY_DIR}/player-visitor
                   ${CMAKE_BINARY_DIR}/wine-prefix)
  set_tests_properties(PlayerVisitor.UnderWine PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 900 RESOURCE_LOCK wine-prefix)
endif()
