# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it packs: the package's archives take the build's one date for every
# member, whatever the environment says, so they match the program they carry; and the
# package's maintainer is whoever builds it.
set(ENV{SOURCE_DATE_EPOCH} "${CPACK_PORON_SOURCE_DATE_EPOCH}")
include(${CMAKE_CURRENT_LIST_DIR}/maintainer.cmake)
