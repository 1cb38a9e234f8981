# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# 64-bit MIPS, little-endian (Debian mips64el).
set(u16_arch mips64el)
set(u16_triplet mips64el-linux-gnuabi64)
set(u16_qemu qemu-mips64el)
set(CMAKE_SYSTEM_PROCESSOR mips64)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
