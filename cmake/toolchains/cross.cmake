# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# What every cross build shares; each <triplet>.cmake beside this file sets
# u16_arch (the Debian architecture), u16_triplet, u16_qemu and
# CMAKE_SYSTEM_PROCESSOR, then includes it.  Together the files are the list
# of architectures u16 is built, tested and released for.
# Debian's g++-<triplet> compiles; the C library is the target's musl where
# its musl-dev is installed, found as in a native build, else its glibc.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${u16_triplet}-g++)

# qemu-user runs what was built, so that the tests and anything else CMake
# runs for the target go through the emulator.  qemu-user-static's build
# starts in two thirds of the time of qemu-user's, which the suite's
# thousands of runs feel; either will do.  -L is where a dynamically linked
# u16 finds the target's loader and libraries; a static one needs none.
find_program(U16_QEMU_${u16_qemu} NAMES ${u16_qemu}-static ${u16_qemu})
if(U16_QEMU_${u16_qemu})
  set(CMAKE_CROSSCOMPILING_EMULATOR "${U16_QEMU_${u16_qemu}}" -L "/usr/${u16_triplet}")
endif()

# Libraries and headers come from the target's tree only; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${u16_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
