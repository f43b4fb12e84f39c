# A Debian cross toolchain for Linux on COMBICALC_CROSS_TRIPLE, whose programs run under the
# qemu-user emulator COMBICALC_CROSS_EMULATOR. MPFR and GMP come from Debian's multiarch
# packages for COMBICALC_CROSS_MULTIARCH (libmpfr-dev:ARCH), linked statically so that the
# emulator needs no library of the target but the C library's.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${COMBICALC_CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${COMBICALC_CROSS_TRIPLE}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${COMBICALC_CROSS_TRIPLE})
set(CMAKE_CROSSCOMPILING_EMULATOR ${COMBICALC_CROSS_EMULATOR} -L /usr/${COMBICALC_CROSS_TRIPLE})
# Libraries and headers are found only under the target's root; GoogleTest is built from
# Debian's source package for the target, and fast_float comes from the build machine.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(COMBICALC_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, built for the target")
set(COMBICALC_GUI OFF CACHE BOOL "" FORCE)
include(${CMAKE_CURRENT_LIST_DIR}/host-fast-float.cmake)

set(multiarch_lib /usr/lib/${COMBICALC_CROSS_MULTIARCH})
set(MPFR_LIBRARY ${multiarch_lib}/libmpfr.a CACHE FILEPATH "MPFR for the target")
set(GMP_LIBRARY ${multiarch_lib}/libgmp.a CACHE FILEPATH "GMP for the target")
# Their two headers alone, linked into a folder of the build's: the host's /usr/include
# would put its C library's headers before the target's.
if(NOT DEFINED MPFR_INCLUDE_DIR AND CMAKE_BINARY_DIR)
  set(mpfr_include ${CMAKE_BINARY_DIR}/mpfr_include)
  file(MAKE_DIRECTORY ${mpfr_include})
  file(CREATE_LINK /usr/include/mpfr.h ${mpfr_include}/mpfr.h SYMBOLIC)
  file(CREATE_LINK /usr/include/${COMBICALC_CROSS_MULTIARCH}/gmp.h ${mpfr_include}/gmp.h SYMBOLIC)
  set(MPFR_INCLUDE_DIR ${mpfr_include} CACHE PATH "MPFR's and GMP's headers for the target")
endif()
