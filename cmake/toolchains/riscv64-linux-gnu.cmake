# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# 64-bit RISC-V (Debian riscv64): char is unsigned.
set(u16_arch riscv64)
set(u16_triplet riscv64-linux-gnu)
set(u16_qemu qemu-riscv64)
set(CMAKE_SYSTEM_PROCESSOR riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
