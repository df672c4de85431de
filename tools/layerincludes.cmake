# Refuses an include that leaves a layer by a relative path
# ("../widgets/skinmanager.h", "core/../widgets/skinmanager.h"): the include
# roots give a layer its own headers and those of the layers below, and a
# path through ".." would walk round them. An include with ".." passes only
# where, taken from the including file's folder, it names a file of the same
# layer.
#
# The root CMakeLists.txt includes this file and scans each layer as it is
# configured; the build runs it as a script on the layer's sources whenever
# one changes, so an edit is refused by a plain build too:
#   cmake -DLAYER_DIR=<layer folder> -DLAYER_LIST=<file naming its sources>
#         -DLAYER_STAMP=<file touched when all is well> -P layerincludes.cmake

# mirelo_scan_layer_includes(<layer folder> <sources>...): stops with the
# file, line and include of each include that leaves the layer.
function(mirelo_scan_layer_includes folder)
  set(_refused)
  foreach(_f ${ARGN})
    if(IS_ABSOLUTE "${_f}")
      set(_path "${_f}")
    else()
      set(_path "${folder}/${_f}")
    endif()
    file(STRINGS "${_path}" _lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]*\\.\\.")
    if(NOT _lines)
      continue()
    endif()
    get_filename_component(_dir "${_path}" DIRECTORY)
    file(READ "${_path}" _text)
    foreach(_line IN LISTS _lines)
      if(NOT _line MATCHES "include[ \t]*[<\"]([^>\"]*)[>\"]")
        continue()
      endif()
      set(_name "${CMAKE_MATCH_1}")
      if(NOT _name MATCHES "(^|/)\\.\\.(/|$)")
        continue()
      endif()
      get_filename_component(_target "${_name}" ABSOLUTE BASE_DIR "${_dir}")
      string(FIND "${_target}" "${folder}/" _inside)
      if(_inside EQUAL 0 AND EXISTS "${_target}")
        continue()
      endif()
      # The line's number: the line breaks before its first occurrence.
      string(FIND "${_text}" "${_line}" _at)
      string(SUBSTRING "${_text}" 0 ${_at} _before)
      string(REGEX MATCHALL "\n" _breaks "${_before}")
      list(LENGTH _breaks _number)
      math(EXPR _number "${_number} + 1")
      string(APPEND _refused "\n  ${_path}:${_number}: #include \"${_name}\"")
    endforeach()
  endforeach()
  if(_refused)
    get_filename_component(_layer "${folder}" NAME)
    message(FATAL_ERROR "An include leaves the layer ${_layer} by a relative path:${_refused}\n"
      "Include a header by its name, or as <layer>/<name>.h, of this layer or one below it.")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND DEFINED LAYER_LIST)
  file(STRINGS "${LAYER_LIST}" _sources)
  mirelo_scan_layer_includes("${LAYER_DIR}" ${_sources})
  file(TOUCH "${LAYER_STAMP}")
endif()
