# The Debian package, made by CPack from the install rules:
#   cmake --preset app && cmake --build build-app --target package
# The runtime dependencies come from the binary (dpkg-shlibdeps), the version from the
# project. The package is a function of the commit alone: its times are the last commit's,
# its modes do not follow the builder's umask, and nothing in it records where it was built.

# The changelog and the copyright file belong to the Debian package, not to an install for
# any prefix: CPack adds them while it stages the package (see doc_files.cmake).
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT changelog.gz
  COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/changelog > changelog.gz
  DEPENDS changelog VERBATIM)
add_custom_target(combicalc_changelog ALL DEPENDS changelog.gz)
set(CPACK_COMBICALC_DOC_FILES ${CMAKE_CURRENT_SOURCE_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
set(CPACK_INSTALL_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/doc_files.cmake)
set(CPACK_COMBICALC_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/source_date.cmake)
set(CPACK_COMBICALC_AR ${CMAKE_AR})
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/archive_modes.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME combicalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for combinatorics exercises")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "combicalc works out factorials, ordered selections (nPr), combinations (nCr)
and the chance of exactly r successes in n trials with two outcomes, in one
small window. Every intermediate result is kept as the 15-digit text it
shows, and the answers are the same, to the last digit, on every platform.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "combicalc developers <combicalc@users.noreply.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs and menus in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
