# Run at install time for Windows: copies the DLLs that the program and its plugins load,
# directly or through each other, and the plugins themselves, then strips them. What each
# binary loads is read from its import table (objdump -p); a DLL found in none of the
# folders the build names is Windows' own (KERNEL32, USER32, ...) and is not shipped.

cmake_policy(VERSION 3.25)

# Every DLL in those folders under its lower-case name, as Windows ignores case; where two
# folders hold one name, the first folder's.
foreach(folder IN LISTS combicalc_dll_folders)
  file(GLOB found "${folder}/*.dll")
  foreach(path IN LISTS found)
    get_filename_component(name "${path}" NAME)
    string(TOLOWER "${name}" key)
    if(NOT DEFINED dll_${key})
      set(dll_${key} "${path}")
    endif()
  endforeach()
endforeach()

set(pending ${combicalc_program} ${combicalc_platform_plugin} ${combicalc_style_plugin})
set(dlls "")
set(windows_own "")
while(pending)
  list(POP_FRONT pending binary)
  execute_process(COMMAND ${combicalc_objdump} -p ${binary} OUTPUT_VARIABLE table COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${table}")
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: " "" name "${import}")
    string(TOLOWER "${name}" key)
    if(NOT DEFINED dll_${key})
      list(APPEND windows_own ${name})
    elseif(NOT dll_${key} IN_LIST dlls)
      list(APPEND dlls ${dll_${key}})
      list(APPEND pending ${dll_${key}})
    endif()
  endforeach()
endwhile()
list(REMOVE_DUPLICATES windows_own)
message(STATUS "Windows' own DLLs, not shipped: ${windows_own}")

# Copies FILE into FOLDER of the installation and notes the copy for stripping.
set(copies "")
macro(ship file folder)
  file(INSTALL ${file} DESTINATION "${CMAKE_INSTALL_PREFIX}/${folder}")
  get_filename_component(name "${file}" NAME)
  list(APPEND copies "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${folder}/${name}")
endmacro()
foreach(dll IN LISTS dlls)
  ship(${dll} .)
endforeach()
ship(${combicalc_platform_plugin} plugins/platforms)
ship(${combicalc_style_plugin} plugins/styles)
execute_process(COMMAND ${combicalc_strip} --strip-unneeded ${copies} COMMAND_ERROR_IS_FATAL ANY)
