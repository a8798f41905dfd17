# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ file of the tree is formatted as .clang-format says.
#   cmake -DSOURCE_DIR=<top of the tree> -DCLANG_FORMAT=<clang-format> -P check_format.cmake
# Files come from git where the tree is a checkout, so build folders and
# anything untracked stay out; elsewhere every .cpp and .h below the tree's
# own folders.
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format was not found; tools/dev.sh test installs it")
endif()

execute_process(COMMAND git ls-files -- "*.cpp" "*.h"
  WORKING_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE listed RESULT_VARIABLE git_result
  ERROR_QUIET)
if(git_result EQUAL 0)
  string(REGEX REPLACE "\n$" "" listed "${listed}")
  string(REPLACE "\n" ";" files "${listed}")
else()
  file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/app/*.cpp" "${SOURCE_DIR}/app/*.h" "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h"
    "${SOURCE_DIR}/tests/*.cpp" "${SOURCE_DIR}/tests/*.h" "${SOURCE_DIR}/bench/*.cpp"
    "${SOURCE_DIR}/bench/*.h" "${SOURCE_DIR}/tools/*.cpp" "${SOURCE_DIR}/tools/*.h")
endif()

execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files}
  WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE result)
list(LENGTH files count)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Some of ${count} files are not formatted; "
    "run: clang-format -i $(git ls-files '*.cpp' '*.h')")
endif()
message("format: ${count} files as .clang-format says")
