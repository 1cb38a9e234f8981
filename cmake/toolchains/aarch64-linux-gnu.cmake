# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# 64-bit Arm (Debian arm64): char is unsigned.
set(u16_arch arm64)
set(u16_triplet aarch64-linux-gnu)
set(u16_qemu qemu-aarch64)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
