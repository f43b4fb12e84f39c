# The program for Windows as one folder: combicalc.exe, Qt's Windows platform and style
# plugins, the DLLs these load, directly or through each other (CMake reads their import
# tables: none listed by hand), Qt's own translations for the program's languages and a
# qt.conf that makes the folder Qt's prefix, all stripped. CPack makes two things of it:
#   cmake --build build-windows --target package
# an installer (NSIS: for the current user or for everyone, with a Start-menu entry and an
# uninstaller) and a zip for those who do not install.

# Where the DLLs lie: Qt's own beside its tools, MinGW's runtime beside the compiler's
# libraries (the first place -print-file-name finds them).
set(dll_folders "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
if(MINGW)
  foreach(runtime libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(runtime_folder "${runtime_path}" DIRECTORY)
    list(APPEND dll_folders "${runtime_folder}")
  endforeach()
endif()
set(COMBICALC_DLL_FOLDERS "${dll_folders}" CACHE INTERNAL "Where the Windows program's DLLs lie, for its tests too")

# CMake looks each DLL up under its name in lower case, as Windows ignores case; on the
# build machine, whose file system does not, that misses Qt's (Qt6Core.dll). So the build
# links them under such names in a folder of its own, and ships them so named.
set(qt_dlls_in_lower_case ${CMAKE_CURRENT_BINARY_DIR}/qt-dlls)
file(MAKE_DIRECTORY ${qt_dlls_in_lower_case})
file(GLOB qt_dlls "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}/*.dll")
foreach(dll IN LISTS qt_dlls)
  get_filename_component(name "${dll}" NAME)
  string(TOLOWER "${name}" name)
  file(CREATE_LINK "${dll}" "${qt_dlls_in_lower_case}/${name}" COPY_ON_ERROR)
endforeach()

# The binaries are Windows', though read on another system (with MinGW's objdump,
# CMAKE_OBJDUMP). Windows' own DLLs (KERNEL32, USER32, ...) are found among wine's and not
# shipped, nor are the API sets (api-ms-win-*) that Windows' loader maps to some of them.
set(windows_dlls /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
install(CODE "set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)")
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin RUNTIME_DEPENDENCY_SET combicalc_dlls
        LIBRARY DESTINATION plugins/platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin RUNTIME_DEPENDENCY_SET combicalc_dlls
        LIBRARY DESTINATION plugins/styles)
install(RUNTIME_DEPENDENCY_SET combicalc_dlls DESTINATION .
        DIRECTORIES ${qt_dlls_in_lower_case} ${dll_folders} ${windows_dlls}
        PRE_EXCLUDE_REGEXES "^api-ms-win-"
        POST_EXCLUDE_REGEXES "^${windows_dlls}/")
# CMake strips only what the project builds; the DLLs and plugins are stripped here.
install(CODE "
  file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
  execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${dlls} COMMAND_ERROR_IS_FATAL ANY)")

# Qt's dialogs and menus in the user's language: the same catalogues as the Debian
# package's, from the Qt the program was built with, or else from the build machine's.
find_path(COMBICALC_QT_TRANSLATIONS qtbase_de.qm
  PATHS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}" "${QT_HOST_PATH}/share/qt6/translations"
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT COMBICALC_QT_TRANSLATIONS)
  message(FATAL_ERROR "Qt's translations (qtbase_de.qm) are neither in the Qt for Windows nor on this machine")
endif()
foreach(language IN LISTS COMBICALC_LANGUAGES)
  install(FILES "${COMBICALC_QT_TRANSLATIONS}/qtbase_${language}.qm" DESTINATION translations)
endforeach()
install(FILES windows/qt.conf DESTINATION .)

list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows)  # our NSIS.template.in
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME combicalc)
set(CPACK_PACKAGE_VENDOR "combicalc developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY combicalc)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_PACKAGE_NAME combicalc)
set(CPACK_COMBICALC_ICON ${PROJECT_SOURCE_DIR}/app/icons/combicalc.ico)
