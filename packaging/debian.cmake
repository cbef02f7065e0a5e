# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by `make package` (CPack): the installed files
# above and nothing else, with its dependencies taken from the program's
# shared libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME poron-puzzle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Poron Puzzle developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "frog puzzle of knight jumps over lily pads")
set(CPACK_PACKAGE_DESCRIPTION
    "A frog sits on lily pads on a 10 by 10 board and moves only by the jumps\n\
of a chess knight. Every pad it leaves sinks; bring it to the last pads to\n\
clear the stage and see the next picture. Played with the mouse; the game's\n\
text is in Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/strip_sections.cmake)
list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/sign_changelog.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found from the libraries: the Japanese font the dialogs ask for, and
# Qt's platform plugins, without which no window can open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")  # native windows on a Wayland desktop; without it, XWayland

# The same package from the same source: every member of its archives dated with the
# build's one date, and the modes of its directories and ar members fixed, whatever the
# umask of whoever builds it. The maintainer is whoever builds the package, read as it is
# built (cpack_project.cmake reads maintainer.cmake too).
set(CPACK_PORON_SOURCE_DATE_EPOCH ${PORON_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/cpack_project.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/deb_member_modes.cmake)

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/build-[^/]*/")

include(CPack)
