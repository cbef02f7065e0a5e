# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The frog icon in the hicolor theme: the 32 × 32 pixel art as it is, and
# whole-number enlargements of it where every pixel becomes a square block.
add_executable(poron-icon-scale icon_scale.cpp)
target_link_libraries(poron-icon-scale PRIVATE Qt6::Gui)

set(PORON_ICON_SOURCE ${PROJECT_SOURCE_DIR}/assets/sprites/frog_icon.xpm)
set(PORON_ICON_SIZES 32 64 128 256)

set(icon_files)
foreach(size IN LISTS PORON_ICON_SIZES)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size})
  set(png ${dir}/${PORON_APP_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND poron-icon-scale ${PORON_ICON_SOURCE} ${png} ${size}
    DEPENDS poron-icon-scale ${PORON_ICON_SOURCE}
    COMMENT "Frog icon at ${size} x ${size}"
    VERBATIM)
  list(APPEND icon_files ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(poron-icons ALL DEPENDS ${icon_files})
