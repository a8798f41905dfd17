# SPDX-License-Identifier: GPL-3.0-or-later
# VELTRANE_SANITIZE builds everything, the program, its libraries, the tests
# and the tools, with AddressSanitizer and UndefinedBehaviorSanitizer. Any
# report ends the program with an error, so a test that provokes one fails.
option(VELTRANE_SANITIZE
  "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

# What every test runs with, besides its own settings; tests/CMakeLists.txt
# adds it to each test's environment.
set(VELTRANE_SANITIZER_ENVIRONMENT "")

if(VELTRANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
  set(VELTRANE_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:check_initialization_order=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")
endif()
