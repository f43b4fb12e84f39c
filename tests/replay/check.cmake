# Runs the replay tool on a table of cases and compares its outcomes with the expected ones,
# naming the first case that differs.
cmake_policy(SET CMP0007 NEW)  # keep empty texts as list elements
# REPLAY is the tool, after the emulator that runs it where it was built for another platform.
execute_process(COMMAND ${REPLAY} ${ARGS} INPUT_FILE ${CASES} OUTPUT_VARIABLE actual RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "combicalc-replay exited with ${status}")
endif()
string(REPLACE "\r\n" "\n" actual "${actual}")  # Windows writes its line ends
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  string(REPLACE "\n" ";" actual_lines "${actual}")
  string(REPLACE "\n" ";" expected_lines "${expected}")
  file(STRINGS ${CASES} cases)
  list(LENGTH expected_lines count)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    list(GET expected_lines ${i} want)
    list(GET actual_lines ${i} got)
    if(NOT want STREQUAL got)
      list(GET cases ${i} case)
      math(EXPR line "${i} + 1")
      message(FATAL_ERROR "line ${line}: ${case}\n  expected: ${want}\n  actual:   ${got}")
    endif()
  endforeach()
  message(FATAL_ERROR "outcomes differ from ${EXPECTED}")
endif()
