# Every library of src/ is a layer made from the sources of its folder.
#
#   vantora_library(target USES folder... [QT module...])
#
# links the libraries of the folders it USES, publicly, and Qt's modules, and
# fails the build when a source of the folder includes a header of any other
# folder of src/: a layer reaches only what it links, and never a layer
# above it, so the includes between folders run one way.
function(vantora_library target)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "USES;QT")
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  file(GLOB sources CONFIGURE_DEPENDS *.cpp *.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(used ${layer_USES})
    get_property(used_target GLOBAL PROPERTY vantora_layer_${used})
    if(NOT used_target)
      message(FATAL_ERROR "${target} uses ${used}, which is no layer defined before it")
    endif()
    target_link_libraries(${target} PUBLIC ${used_target})
  endforeach()
  if(layer_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    list(TRANSFORM layer_QT PREPEND "Qt6::")
    target_link_libraries(${target} PUBLIC ${layer_QT})
  endif()
  set_property(GLOBAL PROPERTY vantora_layer_${folder} ${target})
  vantora_check_includes(${target} ${folder} ${layer_USES})
endfunction()

# Checks the target's sources before they are linked: each includes headers
# of the allowed folders only.
function(vantora_check_includes target)
  set(allowed ${ARGN})
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  list(TRANSFORM sources PREPEND "${source_dir}/" REGEX "^[^/]")
  list(FILTER sources INCLUDE REGEX "\\.(cpp|h)$")
  add_custom_command(TARGET ${target} PRE_LINK
    COMMAND ${CMAKE_COMMAND} "-DALLOWED=${allowed}" "-DSOURCES=${sources}"
            "-DROOT=${PROJECT_SOURCE_DIR}/src" -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking that ${target} includes only ${allowed}"
    VERBATIM)
endfunction()
