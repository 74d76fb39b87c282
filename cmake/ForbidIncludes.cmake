# The page folders are linked one way only (app <- editor, app <- programming).
# vantora_forbid_includes(target FOLDERS a b ...) makes the target's build
# fail when one of its sources includes a header of one of those folders, so
# that an include cycle between the folders cannot creep back in.
function(vantora_forbid_includes target)
  cmake_parse_arguments(PARSE_ARGV 1 forbid "" "" "FOLDERS")
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  list(TRANSFORM sources PREPEND "${source_dir}/" REGEX "^[^/]")
  list(FILTER sources INCLUDE REGEX "\\.(cpp|h)$")
  string(JOIN "|" folders ${forbid_FOLDERS})
  add_custom_command(TARGET ${target} PRE_LINK
    COMMAND ${CMAKE_COMMAND} "-DFOLDERS=${folders}" "-DSOURCES=${sources}"
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking that ${target} includes nothing of ${forbid_FOLDERS}"
    VERBATIM)
endfunction()
