# The player's menu window under Wine and Xvfb: its drawing against the
# editor's, a click on a disc that really runs a program, the exit question,
# and a damaged project file's message box. Skipped (77) without Wine, Xvfb,
# xdotool or the player. One Wine prefix under the build folder serves the run.
if(NOT DEFINED BRENWICK_PLAYER_EXE)
  set(BRENWICK_PLAYER_EXE "${CMAKE_BINARY_DIR}/player/Velmora.EXE")
endif()
find_program(BRENWICK_XVFB_RUN xvfb-run)
if(BRENWICK_XVFB_RUN AND NOT BRENWICK_SANITIZE)
  add_test(NAME PlayerWindow.UnderWine
           COMMAND ${BRENWICK_XVFB_RUN} -a -s "-screen 0 1280x800x24" python3
                   ${CMAKE_CURRENT_LIST_DIR}/menu_window_wine_test.py
                   $<TARGET_FILE:brenwick-cli> ${BRENWICK_PLAYER_EXE} ${CMAKE_BINARY_DIR}/player-wine)
  set_tests_properties(PlayerWindow.UnderWine PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 900)
endif()
