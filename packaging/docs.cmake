# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The documents that go with the program: the machine-readable copyright file
# (with the full text of the one licence Debian does not ship), the changelog
# and the manual page, the last two compressed the way Debian wants them.
set(doc_dir ${CMAKE_CURRENT_BINARY_DIR}/doc)

# copyright: the stanzas, then the CC-BY-SA-4.0 text as the body of its
# licence paragraph (every line indented by one space, empty lines as " .").
set(licence_text_file ${PROJECT_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${licence_text_file})
file(READ copyright.in copyright)
string(CONFIGURE "${copyright}" copyright @ONLY)
file(READ ${licence_text_file} licence)
string(STRIP "${licence}" licence)
string(REGEX REPLACE "[ \t\r]+\n" "\n" licence "${licence}")
string(REPLACE "\n" "\n " licence " ${licence}")
# Twice, for the blank lines that follow one another.
string(REPLACE "\n \n" "\n .\n" licence "${licence}")
string(REPLACE "\n \n" "\n .\n" licence "${licence}")
file(WRITE ${doc_dir}/copyright.new "${copyright}${licence}\n")
configure_file(${doc_dir}/copyright.new ${doc_dir}/copyright COPYONLY)

configure_file(changelog.in ${doc_dir}/changelog @ONLY)
configure_file(poron-puzzle.6.in ${doc_dir}/poron-puzzle.6 @ONLY)

set(compressed)
foreach(name changelog poron-puzzle.6)
  add_custom_command(
    OUTPUT ${doc_dir}/${name}.gz
    COMMAND gzip -9 -n -f -k ${doc_dir}/${name}
    DEPENDS ${doc_dir}/${name}
    COMMENT "Compressing ${name}"
    VERBATIM)
  list(APPEND compressed ${doc_dir}/${name}.gz)
endforeach()
add_custom_target(poron-docs ALL DEPENDS ${compressed})

install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${doc_dir}/poron-puzzle.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
