# The program for Windows as one folder: combicalc.exe, the DLLs it loads (found in its
# import tables, not listed by hand), the Windows platform and style plugins, Qt's own
# translations for the program's languages and a qt.conf that makes the folder Qt's prefix,
# all stripped. CPack makes two things of it:
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

install(CODE "
  set(combicalc_program \"$<TARGET_FILE:combicalc>\")
  set(combicalc_platform_plugin \"$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>\")
  set(combicalc_style_plugin \"$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>\")
  set(combicalc_dll_folders \"${dll_folders}\")
  set(combicalc_objdump \"${CMAKE_OBJDUMP}\")
  set(combicalc_strip \"${CMAKE_STRIP}\")")
install(SCRIPT windows/runtime.cmake)

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
