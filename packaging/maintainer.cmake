# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by CPack as it builds the package: the package's maintainer is whoever
# builds it, named the Debian way by DEBFULLNAME and DEBEMAIL (DEBEMAIL may
# also hold "Name <address>" on its own). The package is not built without them.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(poron_name "$ENV{DEBFULLNAME}")
set(poron_mail "$ENV{DEBEMAIL}")
if(poron_mail MATCHES "^(.*[^ ]) *<([^<>]*)>$")
  if(poron_name STREQUAL "")
    set(poron_name "${CMAKE_MATCH_1}")
  endif()
  set(poron_mail "${CMAKE_MATCH_2}")
endif()
string(STRIP "${poron_name}" poron_name)
if(poron_name STREQUAL "" OR NOT poron_mail MATCHES "^[^@ <>]+@[^@ <>]+$")
  message(FATAL_ERROR
    "The Debian package names who built it as its maintainer; set your name and mail address first:\n"
    "  export DEBFULLNAME='Your Name' DEBEMAIL=you@example.net\n"
    "(now DEBFULLNAME is '$ENV{DEBFULLNAME}' and DEBEMAIL is '$ENV{DEBEMAIL}')")
endif()
set(CPACK_PACKAGE_CONTACT "${poron_name} <${poron_mail}>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
