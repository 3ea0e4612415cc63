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
set(start_outputs ${start_dir}/theme ${start_dir}/theme.bmp)
set(start_qrc_lines "    <file>theme</file>\n    <file>theme.bmp</file>\n")
foreach(button exit explorer help)
  foreach(look default selected pressed)
    set(name ${button}-${look})
    list(APPEND start_arguments ${name}=${CMAKE_SOURCE_DIR}/resources/buttons/${name}.png)
    list(APPEND start_inputs ${CMAKE_SOURCE_DIR}/resources/buttons/${name}.png)
    list(APPEND start_outputs ${start_dir}/${name} ${start_dir}/${name}.bmp)
    string(APPEND start_qrc_lines "    <file>${name}</file>\n    <file>${name}.bmp</file>\n")
  endforeach()
endforeach()
file(MAKE_DIRECTORY ${start_dir})
add_custom_command(
  OUTPUT ${start_outputs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:start_pictures> ${start_dir} ${start_arguments}
  DEPENDS start_pictures ${start_inputs}
  COMMENT "Writing the start-up pictures' texts"
  VERBATIM)
file(WRITE ${start_dir}/start-pictures.qrc.in
     "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/start-pictures\">\n${start_qrc_lines}  </qresource>\n</RCC>\n")
configure_file(${start_dir}/start-pictures.qrc.in ${start_dir}/start-pictures.qrc COPYONLY)
# Stored as they are: read in place, the texts already compressed.
add_custom_command(
  OUTPUT ${start_dir}/qrc_start_pictures.cpp
  COMMAND Qt6::rcc --name brenwick_start_pictures --no-compress
          -o ${start_dir}/qrc_start_pictures.cpp ${start_dir}/start-pictures.qrc
  DEPENDS ${start_outputs} ${start_dir}/start-pictures.qrc
  WORKING_DIRECTORY ${start_dir}
  VERBATIM)
add_library(brenwick_start_pictures OBJECT ${start_dir}/qrc_start_pictures.cpp)
target_link_libraries(brenwick_start_pictures PRIVATE Qt6::Core)
set_target_properties(brenwick_start_pictures PROPERTIES AUTOMOC OFF AUTORCC OFF)
target_link_libraries(brenwick_core INTERFACE $<TARGET_OBJECTS:brenwick_start_pictures>)
add_dependencies(brenwick_core brenwick_start_pictures)
