# Native clang whose long double is a double, as with MSVC on Windows and Apple clang on
# arm64.
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_FLAGS_INIT -mlong-double-64)
set(COMBICALC_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, built with the same long double")
set(COMBICALC_GUI OFF CACHE BOOL "" FORCE)
