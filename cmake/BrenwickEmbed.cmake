# Embeds files made at build time as Qt resources ":/PREFIX/FILE": writes the
# resource list for FILES (names inside DIR), compiles it with rcc and links the
# result into every program built on brenwick_core (as object files: compiled
# resources register themselves from static initialisers that nothing
# references, which a static library would drop). NO_COMPRESS stores the files
# as they are.
function(brenwick_embed name dir prefix)
  cmake_parse_arguments(arg "NO_COMPRESS" "" "FILES" ${ARGN})
  set(lines "")
  set(inputs "")
  foreach(file IN LISTS arg_FILES)
    string(APPEND lines "    <file>${file}</file>\n")
    list(APPEND inputs ${dir}/${file})
  endforeach()
  file(WRITE ${dir}/${name}.qrc.in
       "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/${prefix}\">\n${lines}  </qresource>\n</RCC>\n")
  configure_file(${dir}/${name}.qrc.in ${dir}/${name}.qrc COPYONLY)
  set(options "")
  if(arg_NO_COMPRESS)
    set(options --no-compress)
  endif()
  add_custom_command(
    OUTPUT ${dir}/qrc_${name}.cpp
    COMMAND Qt6::rcc --name brenwick_${name} ${options} -o ${dir}/qrc_${name}.cpp ${dir}/${name}.qrc
    DEPENDS ${inputs} ${dir}/${name}.qrc
    WORKING_DIRECTORY ${dir}
    VERBATIM)
  add_library(brenwick_${name} OBJECT ${dir}/qrc_${name}.cpp)
  target_link_libraries(brenwick_${name} PRIVATE Qt6::Core)
  set_target_properties(brenwick_${name} PROPERTIES AUTOMOC OFF AUTORCC OFF)
  target_link_libraries(brenwick_core INTERFACE $<TARGET_OBJECTS:brenwick_${name}>)
  add_dependencies(brenwick_core brenwick_${name})
endfunction()
