# 64-bit Windows with MinGW-w64, linked statically and run under wine. MPFR and GMP come from
# COMBICALC_MINGW_MPFR, the folder scripts/mingw_mpfr.sh builds them into.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${COMBICALC_MINGW_MPFR})
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
