# SPDX-FileCopyrightText: 2026 the u16 developers
# SPDX-License-Identifier: MIT

# Run by CPack on its staging tree before it builds each package: compress
# the manual pages (gzip -9n: smallest, no name or time stamp), add what
# each format asks for besides the installed files, and give every file the
# time of SOURCE_DATE_EPOCH (see cpack-options.cmake) and every directory
# mode 755, whenever it was checked out or made and whatever the umask.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(src "${CPACK_U16_SOURCE_DIR}")
set(readable OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

file(GLOB pages "${root}/share/man/man[1-9]/*.[1-9]")
foreach(page IN LISTS pages)
  execute_process(COMMAND gzip -9nf "${page}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

if(CPACK_GENERATOR STREQUAL "DEB")
  # A native package's changelog is its Debian changelog, as changelog.gz.
  set(doc "${root}/share/doc/u16")
  file(COPY "${CPACK_U16_BINARY_DIR}/copyright" "${src}/CHANGELOG"
    DESTINATION "${doc}" FILE_PERMISSIONS ${readable})
  file(RENAME "${doc}/CHANGELOG" "${doc}/changelog")
  execute_process(COMMAND gzip -9nf "${doc}/changelog" COMMAND_ERROR_IS_FATAL ANY)
  file(COPY "${src}/cmake/lintian-overrides" DESTINATION "${root}/share/lintian/overrides"
    FILE_PERMISSIONS ${readable})
  file(RENAME "${root}/share/lintian/overrides/lintian-overrides"
    "${root}/share/lintian/overrides/u16")
elseif(CPACK_GENERATOR STREQUAL "RPM")
  # Marked %license in the package's file list.
  file(COPY "${src}/LICENSE" DESTINATION "${root}/share/licenses/u16" FILE_PERMISSIONS ${readable})
endif()

execute_process(COMMAND find "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" -type d -exec chmod 755 {} +
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND find "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" -exec
  touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} + COMMAND_ERROR_IS_FATAL ANY)
