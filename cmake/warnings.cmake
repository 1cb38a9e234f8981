# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# One set of warnings for the program and its tests; errors when U16_WERROR
# is on, as in CI.
add_library(u16_warnings INTERFACE)
target_compile_options(u16_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wconversion
  $<$<BOOL:${U16_WERROR}>:-Werror>)
