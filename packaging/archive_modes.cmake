# Run by CPack after it made the package. CPack writes the .deb's three members with the
# modes their files got from the builder's umask; written again in deterministic mode (root,
# mode 644, no time), the package no longer depends on the umask.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(members_dir ${CPACK_TOPLEVEL_DIRECTORY}/archive_members)
  file(REMOVE_RECURSE ${members_dir})
  file(MAKE_DIRECTORY ${members_dir})
  execute_process(COMMAND ${CPACK_COMBICALC_AR} t ${package} OUTPUT_VARIABLE members OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\n" ";" members "${members}")
  execute_process(COMMAND ${CPACK_COMBICALC_AR} x ${package} WORKING_DIRECTORY ${members_dir} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${package})
  # In their order (debian-binary first, as dpkg requires); no symbol index.
  execute_process(COMMAND ${CPACK_COMBICALC_AR} rcDS ${package} ${members} WORKING_DIRECTORY ${members_dir}
                  COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${members_dir})
endforeach()
