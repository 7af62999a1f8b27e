# The Debian packages: `cpack -G DEB` in the build folder writes one per component.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane3)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Seed 1314121e maintainers <maintainers@users.noreply.c-seed-1314121e.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Install scripts see the real prefix (/usr) and write below DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL programs library devel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Only the library package holds a shared library, so only it gets a shlibs file.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# A component's dependencies on other components become exact-version Depends.
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# dpkg-shlibdeps finds the library of this same build in the build folder; the
# programs' dependency on it comes from the component dependency below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)

set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME morvane3)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SUGGESTS xscreensaver)
set(CPACK_COMPONENT_PROGRAMS_DEPENDS library)
set(CPACK_COMPONENT_PROGRAMS_DESCRIPTION "chess screensaver that replays games from PGN files
Morvane3 replays chess games from a PGN file one half-move at a time, with
the players, the event, a scrolling move list, the result and move sounds.
It runs full screen, as an XScreenSaver display mode, or in a window.
.
A settings dialog chooses the colours, the board style, the pace, the sounds
and the games, and a game editor enters new games by moving the pieces.")

set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME libquillboard4-5-4)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_LIBRARY_DESCRIPTION "chessboard control for Qt widget programs
Quillboard4_5 is a Qt widget that holds a chess position, draws the board in
a modern or a classic style at any size and in either orientation, lets the
user drag pieces, tests moves against the pieces' movement patterns and tells
whether a king is attacked.
.
This package holds the shared library.")

set(CPACK_DEBIAN_DEVEL_PACKAGE_NAME libquillboard-dev)
set(CPACK_DEBIAN_DEVEL_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVEL_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_COMPONENT_DEVEL_DEPENDS library)
set(CPACK_COMPONENT_DEVEL_DESCRIPTION "chessboard control for Qt widget programs - development files
Quillboard4_5 is a Qt widget that holds a chess position, draws the board in
a modern or a classic style at any size and in either orientation, lets the
user drag pieces, tests moves against the pieces' movement patterns and tells
whether a king is attacked.
.
This package holds the headers, a CMake package and a pkg-config file.")

# CPack calls ldconfig from maintainer scripts; the library package gets the
# dpkg trigger instead, so that removing it leaves nothing behind.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/ldconfig_trigger.cmake)
include(CPack)
