# Native clang with LLVM's libc++, the standard library of macOS.
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_FLAGS_INIT -stdlib=libc++)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-stdlib=libc++ -lc++abi")
set(COMBICALC_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, built against libc++")
set(COMBICALC_GUI OFF CACHE BOOL "" FORCE)
