# Shared by the toolchain files of the cross-checks: a cross build finds libraries and
# headers only under its target's root, takes GoogleTest from Debian's source package, and
# takes fast_float (header-only) from the build machine, by linking its folder alone so that
# no other host header leaks into the target's build.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(COMBICALC_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, built for the target")
set(COMBICALC_GUI OFF CACHE BOOL "" FORCE)
if(NOT DEFINED FAST_FLOAT_INCLUDE_DIR AND CMAKE_BINARY_DIR)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fast_float_include)
  file(CREATE_LINK /usr/include/fast_float ${CMAKE_BINARY_DIR}/fast_float_include/fast_float SYMBOLIC)
  set(FAST_FLOAT_INCLUDE_DIR ${CMAKE_BINARY_DIR}/fast_float_include CACHE PATH "fast_float's folder, linked from the host")
endif()
