# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# The release packages: `cpack -G DEB` and `cpack -G RPM` in the build tree.
# Both hold the stripped program and its compressed manual page; the Debian
# package adds its copyright file, changelog and lintian override, the RPM
# its licence.  Included by the top-level CMakeLists.txt after the u16
# target, with u16_static and u16_libc_a set.

set(U16_MAINTAINER "u16 developers <u16-maintainers@example.org>" CACHE STRING
  "Maintainer of the Debian package and packager of the RPM")

set(CPACK_PACKAGE_NAME u16)
set(CPACK_PACKAGE_VENDOR "u16 developers")
set(CPACK_PACKAGE_CONTACT "${U16_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian's summaries start in lower case, Fedora's in upper case.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print a decimal number reduced to an unsigned 16-bit value")
set(CPACK_PACKAGE_DESCRIPTION [[
u16 takes one argument. If it is optional leading white space, an optional
sign and decimal digits whose value fits in signed 64 bits, it prints that
value modulo 65536 (0 to 65535) as one decimal line, and the empty argument
counts as 0. Any other argument prints nothing, with exit status 0 all the
same. It starts about as fast as a process can.]])

# Which source package the statically linked C library came from, so that
# the Debian package can say so in Built-Using: the archive must keep that
# source for as long as it ships this binary.
set(u16_built_using "")
set(u16_libc_source "")
find_program(U16_DPKG_QUERY dpkg-query)
mark_as_advanced(U16_DPKG_QUERY)
if(u16_static AND U16_DPKG_QUERY)
  file(REAL_PATH "${u16_libc_a}" libc_a)
  execute_process(COMMAND "${U16_DPKG_QUERY}" -S "${libc_a}"
    OUTPUT_VARIABLE owner RESULT_VARIABLE rc ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(rc EQUAL 0 AND owner MATCHES "^([^:,]+)")
    execute_process(COMMAND "${U16_DPKG_QUERY}" -W "-f=\${source:Package}\n\${source:Version}"
      "${CMAKE_MATCH_1}"
      OUTPUT_VARIABLE source RESULT_VARIABLE rc ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(rc EQUAL 0 AND source MATCHES "^([^\n]+)\n([^\n]+)$")
      set(u16_libc_source "${CMAKE_MATCH_1}")
      set(u16_built_using "${CMAKE_MATCH_1} (= ${CMAKE_MATCH_2})")
    endif()
  endif()
  if(u16_built_using STREQUAL "")
    message(WARNING "u16: no Debian package owns ${libc_a}; the .deb gets no Built-Using")
  else()
    message(STATUS "u16: Built-Using: ${u16_built_using}")
  endif()
endif()

# Debian's machine-readable copyright file, with the licence text of LICENSE.
file(READ "${CMAKE_CURRENT_SOURCE_DIR}/LICENSE" licence)
string(REGEX REPLACE "^.*\n(Permission is hereby)" "\\1" licence "${licence}")
string(STRIP "${licence}" licence)
string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REGEX REPLACE "\n" "\n " licence "${licence}")
set(copyright "\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: u16
Upstream-Contact: ${U16_MAINTAINER}

Files: *
Copyright: 2026 the u16 developers
License: MIT
")
if(NOT u16_libc_source STREQUAL "")
  string(APPEND copyright "\
Comment: /usr/bin/u16 is linked statically with the C library built from the
 Debian source package ${u16_libc_source} (see Built-Using), whose own
 copyright and licence apply to that code.
")
endif()
string(APPEND copyright "\nLicense: MIT\n ${licence}\n")
file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/copyright" "${copyright}")

# What cpack-stage.cmake and cpack-options.cmake need from this tree.
set(CPACK_U16_SOURCE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
set(CPACK_U16_BINARY_DIR "${CMAKE_CURRENT_BINARY_DIR}")
set(CPACK_U16_BUILT_USING "${u16_built_using}")
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_SOURCE_DIR}/cmake/cpack-options.cmake")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_SOURCE_DIR}/cmake/cpack-stage.cmake")

# Debian.  A cross build's toolchain file names the target's architectures.
if(U16_DEB_ARCH)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${U16_DEB_ARCH})
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${U16_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# A static u16 needs nothing at run time; a dynamic one needs what
# dpkg-shlibdeps finds it linked against.
if(NOT u16_static)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
# CPack writes no Built-Using field; dpkg-deb adds it once CPack is done.
if(NOT u16_built_using STREQUAL "")
  set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_SOURCE_DIR}/cmake/cpack-built-using.cmake")
endif()

# RPM, in Fedora's manner.
if(U16_RPM_ARCH)
  set(CPACK_RPM_PACKAGE_ARCHITECTURE ${U16_RPM_ARCH})
endif()
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_SUMMARY "Print a decimal number reduced to an unsigned 16-bit value")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_PACKAGE_GROUP "Applications/System")
set(CPACK_RPM_PACKAGE_RELOCATABLE OFF)
# The filesystem package owns the standard directories.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
  /usr/share/man /usr/share/man/man1 /usr/share/licenses)
set(CPACK_RPM_USER_FILELIST "%license /usr/share/licenses/u16/LICENSE")
# The packager; no post-install steps of rpmbuild's own, since the staging
# tree is already what ships (stripped by the install, pages compressed by
# cpack-stage.cmake); and what rpmbuild needs to give the same package
# twice: SOURCE_DATE_EPOCH for build time and file times, a fixed build host.
set(CPACK_RPM_SPEC_MORE_DEFINE "\
%define packager ${U16_MAINTAINER}
%define __os_install_post %{nil}
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _buildhost reproducible")

include(CPack)
