# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# Run by CPack after it has built the packages.  CPack's Debian generator
# cannot write a Built-Using field, so dpkg-deb unpacks the .deb, the field
# goes into its control file, and dpkg-deb builds it again: root-owned files,
# times clamped to SOURCE_DATE_EPOCH, as before.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(READ "${tree}/DEBIAN/control" control)
  string(STRIP "${control}" control)
  file(WRITE "${tree}/DEBIAN/control" "${control}\nBuilt-Using: ${CPACK_U16_BUILT_USING}\n")
  execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -b "${tree}" "${deb}"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
