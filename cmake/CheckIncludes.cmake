cmake_minimum_required(VERSION 3.25)
# Run by vantora_check_includes: fails when a file of SOURCES includes a
# header of a folder of ROOT that is not in ALLOWED.
file(GLOB folders LIST_DIRECTORIES true RELATIVE ${ROOT} ${ROOT}/*)
foreach(source ${SOURCES})
  file(STRINGS ${source} includes REGEX "^#include \"[a-z]+/")
  foreach(include ${includes})
    string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" folder "${include}")
    if(folder IN_LIST folders AND NOT folder IN_LIST ALLOWED)
      message(FATAL_ERROR "${source}: ${include}: this folder may include only ${ALLOWED}")
    endif()
  endforeach()
endforeach()
