# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# IBM Z (Debian s390x): big-endian, char is unsigned.
set(u16_arch s390x)
set(u16_triplet s390x-linux-gnu)
set(u16_qemu qemu-s390x)
set(CMAKE_SYSTEM_PROCESSOR s390x)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
