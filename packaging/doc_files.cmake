# Run by CPack while it stages the package (file(INSTALL) adds the staging folder, DESTDIR):
# the files of the package's documentation folder.
file(INSTALL ${CPACK_COMBICALC_DOC_FILES} DESTINATION "${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/combicalc"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
