# The distribution's hardening flags (stack protector, fortified functions,
# read-only relocations, immediate binding), taken from dpkg-buildflags so that
# what is built here matches what the distribution builds. Debug builds go
# without (the fortified functions need the optimizer), and so do sanitizer
# builds: fortified calls would slip past the sanitizers' checks.
option(MORVANE3_HARDENING "Build with the hardening flags of dpkg-buildflags" ON)
find_program(MORVANE3_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT MORVANE3_HARDENING OR NOT MORVANE3_DPKG_BUILDFLAGS OR CMAKE_BUILD_TYPE STREQUAL "Debug"
   OR CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  return()
endif()

function(morvane3_buildflags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${MORVANE3_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  # Optimisation and debug information follow the build type; paths stay as they are.
  list(FILTER flags EXCLUDE REGEX "^-(O[0-9s]?|g|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

morvane3_buildflags(CPPFLAGS morvane3_cppflags)
morvane3_buildflags(CXXFLAGS morvane3_cxxflags)
morvane3_buildflags(LDFLAGS morvane3_ldflags)
add_compile_options(${morvane3_cppflags} ${morvane3_cxxflags})
add_link_options(${morvane3_ldflags})
