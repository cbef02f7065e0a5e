# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The AppStream metadata, in the form the AppStream of the machine that builds it reads.
# The template is AppStream 1.x: the developer is a <developer> element with an id. AppStream
# before 1.0 (Debian 12 has 0.16) knows no <developer> and reads <developer_name> instead, so
# there the build writes the developer's names in that older form; everything else is the same.
set(metainfo ${CMAKE_CURRENT_BINARY_DIR}/${PORON_APP_ID}.metainfo.xml)
configure_file(game.metainfo.xml.in ${metainfo}.in @ONLY)

find_program(APPSTREAMCLI appstreamcli)  # Debian package appstream
set(PORON_APPSTREAM_VERSION)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} --version OUTPUT_VARIABLE answer ERROR_QUIET)
  if(answer MATCHES "version:? ([0-9]+\\.[0-9]+(\\.[0-9]+)?)")
    set(PORON_APPSTREAM_VERSION ${CMAKE_MATCH_1})
  endif()
endif()

file(READ ${metainfo}.in text)
if(PORON_APPSTREAM_VERSION AND PORON_APPSTREAM_VERSION VERSION_LESS 1.0)
  message(STATUS "AppStream ${PORON_APPSTREAM_VERSION}: the metadata names its developer with <developer_name>")
  if(NOT text MATCHES "\n( *)<developer id=\"[^\"]*\">\n(.*)\n *</developer>\n")
    message(FATAL_ERROR "no <developer> element in game.metainfo.xml.in")
  endif()
  set(block "${CMAKE_MATCH_0}")
  set(indent "${CMAKE_MATCH_1}")
  string(REGEX REPLACE " *<name([^>]*)>([^<]*)</name>" "${indent}<developer_name\\1>\\2</developer_name>"
         names "${CMAKE_MATCH_2}")
  string(REPLACE "${block}" "\n${names}\n" text "${text}")
endif()
# Written only when it changes, like configure_file.
file(WRITE ${metainfo}.new "${text}")
configure_file(${metainfo}.new ${metainfo} COPYONLY)
