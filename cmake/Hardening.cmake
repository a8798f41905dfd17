# SPDX-License-Identifier: GPL-3.0-or-later
# Release builds are hardened as Debian hardens its packages: the flags that
# dpkg-buildflags gives on Debian 12 with hardening=+all (stack protector,
# format checks, fortified C library calls, a read-only relocation table
# bound at start-up, position-independent executables). The sanitizer build
# goes without them, as the sanitizers check more than they do.
if(VELTRANE_SANITIZE)
  return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

set(release "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options(
  "$<${release}:-fstack-protector-strong>"
  "$<${release}:-Wformat>"
  "$<${release}:-Werror=format-security>")
add_compile_definitions("$<${release}:_FORTIFY_SOURCE=2>")
add_link_options("$<${release}:LINKER:-z,relro>" "$<${release}:LINKER:-z,now>")
