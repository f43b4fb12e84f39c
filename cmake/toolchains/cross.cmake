# Shared by the toolchain files of the cross-checks: a cross build finds libraries and
# headers only under its target's root, takes GoogleTest from Debian's source package, and
# takes fast_float from the build machine.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(COMBICALC_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, built for the target")
set(COMBICALC_GUI OFF CACHE BOOL "" FORCE)
include(${CMAKE_CURRENT_LIST_DIR}/host-fast-float.cmake)
