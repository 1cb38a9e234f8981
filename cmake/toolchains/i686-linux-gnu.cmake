# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# 32-bit x86 (Debian i386): long is 32 bits.
set(u16_arch i386)
set(u16_triplet i686-linux-gnu)
set(u16_qemu qemu-i386)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
