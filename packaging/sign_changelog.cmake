# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged package: the changelog is signed by the package's
# maintainer (maintainer.cmake), the one who builds it, and compressed again
# the way Debian wants it.
file(GLOB_RECURSE changelogs LIST_DIRECTORIES false
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/poron-puzzle/changelog.gz")
if(NOT changelogs)
  message(FATAL_ERROR "no changelog staged under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(changelog IN LISTS changelogs)
  string(REGEX REPLACE "\\.gz$" "" plain "${changelog}")
  execute_process(COMMAND gzip -d -f "${changelog}" COMMAND_ERROR_IS_FATAL ANY)
  file(READ "${plain}" text)
  # " -- <who>  <date>": only the one who signs changes.
  string(REGEX REPLACE "\n -- [^\n]*  ([^\n]+)" "\n -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  \\1" text "${text}")
  file(WRITE "${plain}" "${text}")
  execute_process(COMMAND gzip -9 -n -f "${plain}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
