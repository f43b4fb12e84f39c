# Runs the replay tool on a table of cases and compares its outcomes with the expected ones.
execute_process(COMMAND ${REPLAY} ${ARGS} INPUT_FILE ${CASES} OUTPUT_VARIABLE actual RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "combicalc-replay exited with ${status}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "outcomes differ from ${EXPECTED}:\n${actual}")
endif()
