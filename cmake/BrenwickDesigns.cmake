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
set(design_files)
foreach(name IN LISTS BRENWICK_DESIGNS)
  list(APPEND design_templates ${CMAKE_SOURCE_DIR}/resources/designs/${name}.xml)
  list(APPEND design_outputs ${design_dir}/${name}.xml)
  list(APPEND design_files ${name}.xml)
endforeach()
add_custom_command(
  OUTPUT ${design_outputs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:paint_designs> ${CMAKE_SOURCE_DIR}/resources/designs ${design_dir} ${BRENWICK_DESIGNS}
  DEPENDS paint_designs ${design_templates}
  COMMENT "Painting the shipped designs"
  VERBATIM)
brenwick_embed(designs ${design_dir} designs FILES ${design_files})
