# fast_float is header-only, so a cross build takes it from the build machine, by linking its
# folder alone into the build: no other host header can leak into the target's build.
if(NOT DEFINED FAST_FLOAT_INCLUDE_DIR AND CMAKE_BINARY_DIR)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fast_float_include)
  file(CREATE_LINK /usr/include/fast_float ${CMAKE_BINARY_DIR}/fast_float_include/fast_float SYMBOLIC)
  set(FAST_FLOAT_INCLUDE_DIR ${CMAKE_BINARY_DIR}/fast_float_include CACHE PATH "fast_float's folder, linked from the host")
endif()
