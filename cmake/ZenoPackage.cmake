# A Debian package of the program: `cpack -G DEB` in a build folder, after building zeno.
# Installing never builds: the package holds what `cmake --build ... --target zeno` made.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_PACKAGE_NAME zeno)
set(CPACK_PACKAGE_VENDOR "ZENO")
set(CPACK_PACKAGE_CONTACT "ZENO <qz9zzz@zeno.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "ZENO monitors every frame an AGWPE-compatible sound-card modem (such as Dire Wolf) hears,\n\
keeps a heard-stations list, sends UI frames, APRS positions, messages and bulletins, logs\n\
the APRS messages that reach the operator and holds one connected-mode conversation.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zeno.example.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), \
libqt6printsupport6 (>= 6.4), libqt6multimedia6 (>= 6.4), libqt6sql6 (>= 6.4), libqt6sql6-sqlite (>= 6.4)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "direwolf")
include(CPack)
