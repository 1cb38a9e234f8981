# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# 64-bit POWER, little-endian (Debian ppc64el): char is unsigned.
set(u16_arch ppc64el)
set(u16_triplet powerpc64le-linux-gnu)
set(u16_qemu qemu-ppc64le)
set(CMAKE_SYSTEM_PROCESSOR ppc64le)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
