# `cpack -G DEB` in the build folder: the Debian package "squadlens" of what
# `cmake --install` puts in place, under /usr. The libraries it needs are
# found by dpkg-shlibdeps (Debian package dpkg-dev) in the built programs.

set(SQUADLENS_PACKAGE_MAINTAINER "Squadlens developers <squadlens@f-vantor.invalid>"
  CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME squadlens)
set(CPACK_PACKAGE_VENDOR "Squadlens developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.f-vantor.ru)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare two snapshots of an F-Vantor football club's squad")
set(CPACK_PACKAGE_DESCRIPTION
  "Vantor Squadlens is a program for the manager of a club in the online football
manager game F-Vantor. It compares two snapshots of the club's squad, a team
file from the start of a period and one from its end: it pairs the players and
shows each player's skills at both dates with their progress, the change of
rating, market value and salary, the players who left and the newcomers, and
the squad's totals.

The package holds the window program, squadlens, and squadlens-report, which
runs the same comparison on the command line and writes it as text, TSV, CSV
or HTML. Team files are the game's .dat snapshots or .zip archives holding one.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageFolderModes.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SQUADLENS_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(NOT SQUADLENS_CORE_ONLY)
  # Not found by dpkg-shlibdeps: Qt loads its platform plugin (xcb, wayland)
  # at run time, and the window's layout is measured in DejaVu Sans and Serif.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
endif()

include(CPack)
