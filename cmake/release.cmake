# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# The release, run by `cmake --build build --target release` as
#   cmake -DTARBALL=... -DOUT=... -DWORK=... -P release.cmake
# From the source tarball TARBALL (the dist target's), writes to OUT:
# the tarball itself; for every architecture with a toolchain file whose
# cross compiler and musl this machine has, u16-VERSION-linux-ARCH.tar.gz
# with the stripped static u16, its manual page, its licence and musl's
# notice; and SHA256SUMS over them all.  Each u16 is the plain build of its
# toolchain file, the build whose suite CI runs.  Glibc is never linked
# statically into a download (its LGPL would ask for what it takes to relink
# it), so an architecture without musl has none.  File times are the last
# commit's, as the tarball has them, owners and modes fixed, gzip without a time stamp: any
# two runs give the same bytes.

foreach(var TARBALL OUT WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "release.cmake needs -D${var}=...")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_QUIET)
  if(NOT rc EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "release: ${command}: ${rc}")
  endif()
endfunction()

# The binaries are built from the released source, not the working tree.
get_filename_component(tarball_name "${TARBALL}" NAME)
string(REGEX REPLACE "\\.tar\\.gz$" "" dist "${tarball_name}")
file(REMOVE_RECURSE "${OUT}" "${WORK}")
file(MAKE_DIRECTORY "${OUT}" "${WORK}")
run(tar -xzf "${TARBALL}" -C "${WORK}")
set(source "${WORK}/${dist}")
# git archive gives every file the time of the commit.
file(TIMESTAMP "${source}/CMakeLists.txt" epoch "%s" UTC)
file(COPY "${TARBALL}" DESTINATION "${OUT}")
set(archives "${tarball_name}")

file(GLOB toolchains "${source}/cmake/toolchains/*-linux-*.cmake")
list(SORT toolchains)
foreach(toolchain IN LISTS toolchains)
  foreach(setting arch triplet)
    file(STRINGS "${toolchain}" line REGEX "^set\\(u16_${setting} ")
    string(REGEX REPLACE "^set\\(u16_${setting} ([^)]+)\\)$" "\\1" ${setting} "${line}")
  endforeach()

  find_program(compiler_${arch} ${triplet}-g++)
  if(NOT compiler_${arch})
    message(STATUS "release: no ${arch}: no ${triplet}-g++ (Debian package g++-${triplet})")
    continue()
  endif()
  # The plain toolchain build: no flags from this shell's environment.
  set(build "${WORK}/build-${arch}")
  run("${CMAKE_COMMAND}" -E env --unset=CXXFLAGS --unset=CPPFLAGS --unset=LDFLAGS
    "${CMAKE_COMMAND}" -S "${source}" -B "${build}" "-DCMAKE_TOOLCHAIN_FILE=${toolchain}")
  load_cache("${build}" READ_WITH_PREFIX "${arch}_" U16_C_LIBRARY CMAKE_STRIP)
  if(NOT ${arch}_U16_C_LIBRARY STREQUAL "musl")
    message(STATUS "release: no ${arch}: no musl for it (Debian package musl-dev:${arch})")
    continue()
  endif()
  run("${CMAKE_COMMAND}" --build "${build}" --target u16)

  set(name "${dist}-linux-${arch}")
  set(stage "${WORK}/stage-${arch}")
  file(MAKE_DIRECTORY "${stage}/${name}")
  run("${${arch}_CMAKE_STRIP}" -o "${stage}/${name}/u16" "${build}/u16")
  file(COPY "${source}/man/u16.1" "${source}/LICENSE" "${source}/LICENSE.musl"
    DESTINATION "${stage}/${name}")
  execute_process(
    COMMAND tar --create --format=gnu --sort=name "--mtime=@${epoch}" --owner=0 --group=0
      --numeric-owner --mode=u=rwX,go=rX -C "${stage}" "${name}"
    COMMAND gzip -9 -n
    OUTPUT_FILE "${OUT}/${name}.tar.gz"
    RESULTS_VARIABLE results)
  if(NOT results STREQUAL "0;0")
    message(FATAL_ERROR "release: writing ${name}.tar.gz: ${results}")
  endif()
  list(APPEND archives "${name}.tar.gz")
  message(STATUS "release: ${name}.tar.gz")
endforeach()

list(SORT archives)
execute_process(COMMAND sha256sum ${archives} WORKING_DIRECTORY "${OUT}"
  OUTPUT_FILE "${OUT}/SHA256SUMS" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "release: sha256sum: ${rc}")
endif()
message(STATUS "release: ${OUT}/SHA256SUMS")
