# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# Read by cpack before each package it builds.  Two builds of one commit
# must give the same package bytes with nothing set by hand, so the time
# stamped into packages defaults to the time of the last commit, or, outside
# a git checkout, to the date of the newest changelog entry.  A
# SOURCE_DATE_EPOCH set by the builder wins.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch "")
  find_program(U16_GIT git)
  if(U16_GIT)
    # Only the source tree's own repository counts, not one it sits inside.
    execute_process(COMMAND "${U16_GIT}" -C "${CPACK_U16_SOURCE_DIR}" rev-parse --show-toplevel
      OUTPUT_VARIABLE top RESULT_VARIABLE rc ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(REAL_PATH "${CPACK_U16_SOURCE_DIR}" here)
    if(rc EQUAL 0 AND top STREQUAL here)
      execute_process(COMMAND "${U16_GIT}" -C "${here}" log -1 --format=%ct
        OUTPUT_VARIABLE epoch ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    file(STRINGS "${CPACK_U16_SOURCE_DIR}/CHANGELOG" trailer REGEX "^ -- " LIMIT_COUNT 1)
    string(REGEX REPLACE "^ -- .*>  " "" date "${trailer}")
    execute_process(COMMAND date -u -d "${date}" +%s
      OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
