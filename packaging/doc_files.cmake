# Run by CPack while it stages the package: the files of the package's documentation folder
# (file(INSTALL) puts them below the staging folder, DESTDIR), in folders that are 755
# whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(INSTALL ${CPACK_COMBICALC_DOC_FILES} DESTINATION "${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/combicalc"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
