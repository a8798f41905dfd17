# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the layers of src/ point down only: every #include of a file
# under SOURCE_DIR names a header of its own layer or of one below it.
#   cmake -DSOURCE_DIR=<folder that holds core/, program/, ...> -P check_layers.cmake
#
#   core          no Qt, nothing of program/, settings/ or ui/
#   cli           core; no Qt
#   program       QtCore; core
#   settings      QtCore; core, program
#   ui/toolkit    Qt; core, program, settings; no window or theme
#   ui/<window>   everything above
# The layer of a file is the first folder (for ui/, the first two) of its
# path below SOURCE_DIR.
if(NOT SOURCE_DIR OR NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "SOURCE_DIR must name the source folder")
endif()
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

set(forbidden_core "^<Q|^<qt|^\"(program|settings|ui)/")
set(forbidden_cli "^<Q|^<qt|^\"(program|settings|ui)/")
set(forbidden_program "^<Qt?Gui|^<Qt?Widgets|^<QWidget|^<QApplication|^\"(settings|ui)/")
set(forbidden_settings "^<Qt?Gui|^<Qt?Widgets|^<QWidget|^<QApplication|^\"ui/")
set(forbidden_ui/toolkit "^\"ui/(main|theme|buffin|history|about)/")

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
list(SORT files)
set(violations 0)
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" layer "${file}")
  if(layer STREQUAL "ui")
    string(REGEX MATCH "^ui/[^/]+" layer "${file}")
  endif()
  if(NOT DEFINED forbidden_${layer})
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*" "" header "${line}")
    string(REGEX MATCH "^(<[^>]*>|\"[^\"]*\")" header "${header}")
    if(header MATCHES "${forbidden_${layer}}")
      message("${file}: the ${layer} layer includes ${header}")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH files checked)
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) point up a layer")
endif()
message("layers: ${checked} files checked, every include points down")
