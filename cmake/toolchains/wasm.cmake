# WebAssembly with Debian's emscripten, run under node. MPFR and GMP come from
# COMBICALC_WASM_MPFR, the folder `scripts/deps/gmp_mpfr.sh wasm` builds them into.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
list(APPEND CMAKE_FIND_ROOT_PATH ${COMBICALC_WASM_MPFR})
# The run's reports are C++ exceptions, which emscripten leaves out unless asked.
set(CMAKE_CXX_FLAGS_INIT -fexceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sALLOW_MEMORY_GROWTH=1")
# emscripten 3.1.6's output takes node's fetch, where newer nodes have one, for a browser's.
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-experimental-fetch)
set(COMBICALC_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, built for WebAssembly")
set(gtest_disable_pthreads ON CACHE BOOL "WebAssembly here has no threads")
set(COMBICALC_GUI OFF CACHE BOOL "" FORCE)
include(${CMAKE_CURRENT_LIST_DIR}/host-fast-float.cmake)
