# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# What every cross build shares; each <triplet>.cmake beside this file sets
# u16_triplet, u16_qemu, CMAKE_SYSTEM_PROCESSOR and the package
# architectures, then includes it.  Debian's g++-<triplet> compiles, and its
# qemu-user runs what was built, so that the tests and anything else CMake
# runs for the target go through the emulator.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${u16_triplet}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${u16_triplet})

# qemu-user-static's build of the emulator starts in two thirds of the time
# of qemu-user's, which the suite's thousands of runs feel; either will do.
find_program(U16_QEMU_${u16_qemu} NAMES ${u16_qemu}-static ${u16_qemu})
if(U16_QEMU_${u16_qemu})
  set(CMAKE_CROSSCOMPILING_EMULATOR "${U16_QEMU_${u16_qemu}}")
endif()

# Libraries and headers come from the target's tree only; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${u16_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
