# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every source file of the tree names its licence in one of its
# first two lines (the second where the first is a #! line).
#   cmake -DSOURCE_DIR=<top of the tree> -P check_license.cmake
set(tag "SPDX-License-Identifier: GPL-3.0-or-later")
execute_process(
  COMMAND git ls-files -- "*.cpp" "*.h" "*.c" "*.h.in" "CMakeLists.txt" "*/CMakeLists.txt"
          "*.cmake" "*.sh" "*.py" "*.1" ".ci/run"
  WORKING_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE listed RESULT_VARIABLE git_result ERROR_QUIET)
if(NOT git_result EQUAL 0)
  message("license: not a git checkout, nothing checked")
  return()
endif()
string(REGEX REPLACE "\n$" "" listed "${listed}")
string(REPLACE "\n" ";" files "${listed}")
set(missing "")
foreach(file IN LISTS files)
  file(STRINGS "${SOURCE_DIR}/${file}" head LIMIT_COUNT 2)
  string(FIND "${head}" "${tag}" at)
  if(at EQUAL -1)
    list(APPEND missing "${file}")
  endif()
endforeach()
list(LENGTH files count)
if(missing)
  list(JOIN missing "\n  " shown)
  message(FATAL_ERROR "Files without \"${tag}\" at the top:\n  ${shown}")
endif()
message("license: ${count} files name their licence")
