# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# 32-bit MIPS, little-endian (Debian mipsel): long is 32 bits.
set(u16_arch mipsel)
set(u16_triplet mipsel-linux-gnu)
set(u16_qemu qemu-mipsel)
set(CMAKE_SYSTEM_PROCESSOR mips)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
