# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# 32-bit Arm, soft float (Debian armel): long is 32 bits, char is unsigned.
set(u16_arch armel)
set(u16_triplet arm-linux-gnueabi)
set(u16_qemu qemu-arm)
set(CMAKE_SYSTEM_PROCESSOR armv5tel)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
