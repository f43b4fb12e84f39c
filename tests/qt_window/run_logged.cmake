# Runs a window test under the emulator of another platform, where the test's own report to
# standard output gets lost (wine drops what a Qt Test program writes there once its
# application exists): the report goes to a file, shown here, and the test fails with it.
execute_process(COMMAND ${TEST} -o ${LOG},txt RESULT_VARIABLE status)
if(EXISTS ${LOG})
  file(READ ${LOG} report)
  message("${report}")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TEST} exited with ${status}")
endif()
