# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# 64-bit x86 (Debian amd64): char is signed.  On an amd64 machine this is
# the native compiler under its triplet's name, and gives the same u16 as a
# build without a toolchain file.
set(u16_arch amd64)
set(u16_triplet x86_64-linux-gnu)
set(u16_qemu qemu-x86_64)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
