# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder. The libraries it
# needs (Qt, the C++ runtime) are worked out by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VENDOR "The Veltrane developers")
set(CPACK_PACKAGE_CONTACT "The Veltrane developers <veltrane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Work out how long your computer takes for RC5-72 work units")
set(CPACK_PACKAGE_DESCRIPTION
  "Veltrane is a small calculator for participants of the RC5-72 distributed key
search. From the key rate of a computer it works out how long one work unit
takes, how many work units the computer finishes per hour, per day and over a
span of dates, and how long a buffer of waiting work units lasts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://${VELTRANE_SITE_ADDRESS}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripPackageFiles.cmake)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the window's layout was measured with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's Wayland platform, so the window runs natively on a Wayland desktop;
# without it Qt falls back to X11 through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
