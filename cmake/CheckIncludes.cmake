# Run by vantora_forbid_includes: fails when a file of SOURCES includes a
# header of one of FOLDERS ("a|b").
foreach(source ${SOURCES})
  file(STRINGS ${source} includes REGEX "^#include \"(${FOLDERS})/")
  if(includes)
    list(GET includes 0 first)
    message(FATAL_ERROR "${source}: ${first}: this folder may not include that one")
  endif()
endforeach()
