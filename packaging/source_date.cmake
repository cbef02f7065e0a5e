# SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The one date a build stamps on what it makes, so that the same source builds the same
# bytes: SOURCE_DATE_EPOCH from the environment when it is set, else the date of the last
# commit, else (a source tree without git) midnight UTC of the release date. Sets
# PORON_SOURCE_DATE_EPOCH (seconds since 1970) and PORON_SOURCE_DATE (YYYY-MM-DD, UTC).
#
# Included before the pictures and the program are built; needs PORON_RELEASE_DATE.

# Seconds since 1970-01-01 of midnight UTC on a YYYY-MM-DD date (the proleptic Gregorian
# calendar counted in 400-year eras, so no table of months is needed).
function(poron_epoch_of_date date out)
  if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "not a YYYY-MM-DD date: '${date}'")
  endif()
  set(y ${CMAKE_MATCH_1})
  set(m ${CMAKE_MATCH_2})
  set(d ${CMAKE_MATCH_3})
  # Leading zeros would read as octal in math(): strip them.
  string(REGEX REPLACE "^0+" "" m "${m}")
  string(REGEX REPLACE "^0+" "" d "${d}")
  if(m LESS_EQUAL 2)
    math(EXPR y "${y} - 1")
    math(EXPR m "${m} + 9")
  else()
    math(EXPR m "${m} - 3")
  endif()
  math(EXPR era "${y} / 400")
  math(EXPR yoe "${y} - ${era} * 400")
  math(EXPR doy "(153 * ${m} + 2) / 5 + ${d} - 1")
  math(EXPR doe "${yoe} * 365 + ${yoe} / 4 - ${yoe} / 100 + ${doy}")
  math(EXPR days "${era} * 146097 + ${doe} - 719468")
  math(EXPR seconds "${days} * 86400")
  set(${out} ${seconds} PARENT_SCOPE)
endfunction()

set(PORON_SOURCE_DATE_FROM)
if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: '$ENV{SOURCE_DATE_EPOCH}'")
  endif()
  set(PORON_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
  set(PORON_SOURCE_DATE_FROM "SOURCE_DATE_EPOCH")
else()
  find_package(Git QUIET)
  if(Git_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_status ERROR_QUIET)
    # git answers from an enclosing repository too: only this source tree's own counts.
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE git_top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    file(REAL_PATH "${PROJECT_SOURCE_DIR}" source_real)
    if(git_top)
      file(REAL_PATH "${git_top}" git_top)
    endif()
    if(git_status EQUAL 0 AND commit_time MATCHES "^[0-9]+$" AND git_top STREQUAL source_real)
      set(PORON_SOURCE_DATE_EPOCH ${commit_time})
      set(PORON_SOURCE_DATE_FROM "the last commit")
      # A new commit or checkout moves the date: configure again when HEAD moves.
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute
                              --git-path logs/HEAD --git-path HEAD
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                      OUTPUT_VARIABLE head_files OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      string(REPLACE "\n" ";" head_files "${head_files}")
      foreach(head_file IN LISTS head_files)
        if(EXISTS "${head_file}")
          set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY
                       CMAKE_CONFIGURE_DEPENDS "${head_file}")
        endif()
      endforeach()
    endif()
  endif()
  if(NOT PORON_SOURCE_DATE_FROM)
    poron_epoch_of_date(${PORON_RELEASE_DATE} PORON_SOURCE_DATE_EPOCH)
    set(PORON_SOURCE_DATE_FROM "the release date")
  endif()
endif()

# string(TIMESTAMP) reads SOURCE_DATE_EPOCH from the environment: lend it ours for a moment.
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${PORON_SOURCE_DATE_EPOCH})
string(TIMESTAMP PORON_SOURCE_DATE "%Y-%m-%d" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")
message(STATUS "Source date: ${PORON_SOURCE_DATE} (${PORON_SOURCE_DATE_EPOCH}, from ${PORON_SOURCE_DATE_FROM})")
