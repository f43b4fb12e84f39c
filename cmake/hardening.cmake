# Built as a distribution builds what it ships: stack protector, fortified C library calls,
# format checks, position-independent code, read-only relocations bound at start-up (what
# dpkg-buildflags gives a Debian package, which debian/rules asks for too), and beyond Debian
# 12's defaults stack-clash protection and, on x86, control-flow protection. They stand first
# on every command line, so that a packager's own CXXFLAGS and LDFLAGS, which CMake puts
# after them, win.
#
# Linux only, and not for debugging: the sanitizer and debug builds check the code instead
# (fortified calls need optimisation), and Windows and macOS toolchains have hardening of
# their own.
option(COMBICALC_HARDENING "Build with the hardening flags distributions use" ON)
if(NOT COMBICALC_HARDENING OR COMBICALC_SANITIZE OR CMAKE_BUILD_TYPE STREQUAL "Debug" OR MSVC
   OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()

# A compiler that defines _FORTIFY_SOURCE itself (Ubuntu's) would warn of a redefinition.
set(hardening_compile_flags "-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security")
set(hardening_link_flags "-Wl,-z,relro -Wl,-z,now")

include(CheckCXXCompilerFlag)
set(next_release_flags -fstack-clash-protection)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i[3-6]86|x86)$")
  list(APPEND next_release_flags -fcf-protection)
endif()
foreach(flag IN LISTS next_release_flags)
  string(MAKE_C_IDENTIFIER "COMBICALC_HAS${flag}" supported)
  check_cxx_compiler_flag(${flag} ${supported})
  if(${supported})
    string(APPEND hardening_compile_flags " ${flag}")
  endif()
endforeach()

string(STRIP "${hardening_compile_flags}" hardening_compile_flags)
string(STRIP "${hardening_link_flags}" hardening_link_flags)
set(CMAKE_CXX_FLAGS "${hardening_compile_flags} ${CMAKE_CXX_FLAGS}")
set(CMAKE_EXE_LINKER_FLAGS "${hardening_link_flags} ${CMAKE_EXE_LINKER_FLAGS}")
set(CMAKE_SHARED_LINKER_FLAGS "${hardening_link_flags} ${CMAKE_SHARED_LINKER_FLAGS}")
