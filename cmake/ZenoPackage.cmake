# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the program: `cpack -G DEB` in a build folder, after building zeno.
# Installing never builds: the package holds what `cmake --build ... --target zeno` made.
# tests/package makes it and runs lintian on it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(GNUInstallDirs)

# What Debian wants beside the program: the copyright file, the changelog and the manual page,
# the last two compressed without a time stamp (gzip -9n) so that rebuilds are identical.
set(ZENO_DEB_DIR ${PROJECT_BINARY_DIR}/debian)
execute_process(COMMAND date -u -R -d "${ZENO_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE ZENO_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(packaging/changelog.in ${ZENO_DEB_DIR}/changelog @ONLY)
configure_file(packaging/zeno.1 ${ZENO_DEB_DIR}/zeno.1 @ONLY)
foreach(file changelog zeno.1)
  execute_process(COMMAND gzip -9n -c ${ZENO_DEB_DIR}/${file}
    OUTPUT_FILE ${ZENO_DEB_DIR}/${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(ZENO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zeno)
install(FILES packaging/copyright ${ZENO_DEB_DIR}/changelog.gz DESTINATION ${ZENO_DOC_DIR})
install(FILES ${ZENO_DEB_DIR}/zeno.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME zeno)
set(CPACK_PACKAGE_VENDOR "ZENO")
set(CPACK_PACKAGE_CONTACT "ZENO maintainers <maintainers@zeno.example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows these lines as they stand: each within 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
  "ZENO monitors every frame an AGWPE-compatible sound-card modem (such as\n\
Dire Wolf) hears, keeps a heard-stations list, sends UI frames, APRS\n\
positions, messages and bulletins, logs the APRS messages that reach the\n\
operator and holds one connected-mode conversation.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zeno.example.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# The libraries come from the binary itself; Qt's window-system plugins are only a
# recommendation of libqt6gui6, and without them no window opens, and the SQLite driver is a
# plugin the binary does not link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite (>= 6.4)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "direwolf, xdg-utils, xplanet-images")
include(CPack)
