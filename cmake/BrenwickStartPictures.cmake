# The pictures a new project starts with, as the picture texts the project file
# holds and the bitmaps those carry: scripts/artwork/start_pictures.cpp writes
# them from the artwork at build time; they are embedded as
# ":/start-pictures/NAME" and ":/start-pictures/NAME.bmp". The editor reads them
# at start-up instead of decoding the artwork and compressing it again.
add_executable(start_pictures ${CMAKE_SOURCE_DIR}/scripts/artwork/start_pictures.cpp)
target_link_libraries(start_pictures PRIVATE brenwick_base)
set_target_properties(start_pictures PROPERTIES AUTOMOC OFF)

set(start_dir ${CMAKE_BINARY_DIR}/start-pictures)
set(start_arguments theme=${CMAKE_SOURCE_DIR}/resources/pictures/theme.bmp)
set(start_inputs ${CMAKE_SOURCE_DIR}/resources/pictures/theme.bmp)
set(start_files theme theme.bmp)
foreach(button exit explorer help)
  foreach(look default selected pressed)
    set(name ${button}-${look})
    list(APPEND start_arguments ${name}=${CMAKE_SOURCE_DIR}/resources/buttons/${name}.png)
    list(APPEND start_inputs ${CMAKE_SOURCE_DIR}/resources/buttons/${name}.png)
    list(APPEND start_files ${name} ${name}.bmp)
  endforeach()
endforeach()
file(MAKE_DIRECTORY ${start_dir})
list(TRANSFORM start_files PREPEND ${start_dir}/ OUTPUT_VARIABLE start_outputs)
add_custom_command(
  OUTPUT ${start_outputs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:start_pictures> ${start_dir} ${start_arguments}
  DEPENDS start_pictures ${start_inputs}
  COMMENT "Writing the start-up pictures' texts"
  VERBATIM)
# Stored as they are: the texts are already compressed.
brenwick_embed(start_pictures ${start_dir} start-pictures NO_COMPRESS FILES ${start_files})
