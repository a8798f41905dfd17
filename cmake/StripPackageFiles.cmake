# SPDX-License-Identifier: GPL-3.0-or-later
# Runs in CPack once the package's files are staged: takes the sections that
# only record how the programs were built (.comment, with the compiler's
# version) out of the programs, as Debian's own packages do (dh_strip).
find_program(OBJCOPY NAMES objcopy REQUIRED)
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND "${OBJCOPY}" --remove-section=.comment --remove-section=.note
                          "${program}"
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "objcopy could not strip ${program}")
  endif()
endforeach()
list(LENGTH programs count)
message(STATUS "Stripped .comment from ${count} programs")
