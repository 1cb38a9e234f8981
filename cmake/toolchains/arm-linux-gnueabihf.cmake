# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# 32-bit Arm, hard float (Debian armhf): long is 32 bits, char is unsigned.
set(u16_arch armhf)
set(u16_triplet arm-linux-gnueabihf)
set(u16_qemu qemu-arm)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
