# The designs that ship with the program: each template in resources/designs/
# gets its pictures painted by scripts/artwork/paint_designs.cpp at build time;
# the finished design files are embedded as ":/designs/NAME.xml".
set(BRENWICK_DESIGNS dark light sunset classic flat kids)

add_executable(paint_designs ${CMAKE_SOURCE_DIR}/scripts/artwork/paint_designs.cpp)
target_link_libraries(paint_designs PRIVATE Qt6::Gui)
set_target_properties(paint_designs PROPERTIES AUTOMOC OFF)

set(design_dir ${CMAKE_BINARY_DIR}/designs)
set(design_templates)
set(design_outputs)
set(design_qrc_lines)
foreach(name IN LISTS BRENWICK_DESIGNS)
  list(APPEND design_templates ${CMAKE_SOURCE_DIR}/resources/designs/${name}.xml)
  list(APPEND design_outputs ${design_dir}/${name}.xml)
  string(APPEND design_qrc_lines "    <file>${name}.xml</file>\n")
endforeach()
add_custom_command(
  OUTPUT ${design_outputs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:paint_designs> ${CMAKE_SOURCE_DIR}/resources/designs ${design_dir} ${BRENWICK_DESIGNS}
  DEPENDS paint_designs ${design_templates}
  COMMENT "Painting the shipped designs"
  VERBATIM)
file(WRITE ${design_dir}/designs.qrc.in
     "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/designs\">\n${design_qrc_lines}  </qresource>\n</RCC>\n")
configure_file(${design_dir}/designs.qrc.in ${design_dir}/designs.qrc COPYONLY)
add_custom_command(
  OUTPUT ${design_dir}/qrc_designs.cpp
  COMMAND Qt6::rcc --name brenwick_designs -o ${design_dir}/qrc_designs.cpp ${design_dir}/designs.qrc
  DEPENDS ${design_outputs} ${design_dir}/designs.qrc
  WORKING_DIRECTORY ${design_dir}
  VERBATIM)
add_library(brenwick_designs OBJECT ${design_dir}/qrc_designs.cpp)
target_link_libraries(brenwick_designs PRIVATE Qt6::Core)
set_target_properties(brenwick_designs PROPERTIES AUTOMOC OFF AUTORCC OFF)
target_link_libraries(brenwick_core INTERFACE $<TARGET_OBJECTS:brenwick_designs>)
add_dependencies(brenwick_core brenwick_designs)
