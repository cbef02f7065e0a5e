# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the finished package: CPack writes the modes of the package's three
# members (debian-binary, control.tar.gz, data.tar.gz) into its ar headers as the builder's
# umask left them. They become 0644, as dpkg-deb writes them, so that the package does not
# depend on the umask of whoever built it.
#
# An ar header is 60 bytes of text: name (16), date (12), owner (6), group (6), mode (8),
# size (10), "`\n"; each member's data follows, padded to an even length.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  file(READ ${deb} magic LIMIT 8)
  if(NOT magic STREQUAL "!<arch>\n")
    message(FATAL_ERROR "${deb} is not an ar archive")
  endif()
  file(SIZE ${deb} size)
  set(offset 8)
  while(offset LESS size)
    file(READ ${deb} header OFFSET ${offset} LIMIT 60)
    string(SUBSTRING "${header}" 48 10 member_size)
    string(STRIP "${member_size}" member_size)
    if(NOT member_size MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${deb}: no ar member header at byte ${offset}")
    endif()
    math(EXPR mode_at "${offset} + 40")
    execute_process(COMMAND printf "100644  "
                    COMMAND dd of=${deb} bs=1 seek=${mode_at} conv=notrunc status=none
                    COMMAND_ERROR_IS_FATAL ANY)
    math(EXPR offset "${offset} + 60 + ${member_size} + ${member_size} % 2")
  endwhile()
endforeach()
