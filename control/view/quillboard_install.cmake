# What a program built against an installed copy needs: the library (runtime
# package), and the headers, the link-time name, a CMake package and a
# pkg-config file (development package).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)
set(QUILLBOARD_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Quillboard4_5)

install(TARGETS Quillboard4_5 EXPORT Quillboard4_5Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library NAMELINK_COMPONENT devel
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quillboard COMPONENT devel)
install(EXPORT Quillboard4_5Targets NAMESPACE Quillboard4_5:: DESTINATION ${QUILLBOARD_CMAKE_DIR}
  COMPONENT devel)

configure_package_config_file(Quillboard4_5Config.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/Quillboard4_5Config.cmake
  INSTALL_DESTINATION ${QUILLBOARD_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/Quillboard4_5ConfigVersion.cmake
  VERSION ${QUILLBOARD_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/Quillboard4_5Config.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/Quillboard4_5ConfigVersion.cmake
  DESTINATION ${QUILLBOARD_CMAKE_DIR} COMPONENT devel)

# The pkg-config file names the prefix it is installed under, known only at install time.
install(CODE "
  set(QUILLBOARD_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  set(QUILLBOARD_VERSION ${QUILLBOARD_VERSION})
  set(CMAKE_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR})
  set(CMAKE_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR})
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/quillboard4_5.pc.in
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/quillboard4_5.pc\" @ONLY)
" COMPONENT devel)
