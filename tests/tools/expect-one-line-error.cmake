# Runs COMMAND (a list) and passes when it ends with a non-zero exit status (not a
# crash) after exactly one line of output that starts with the program's name.
#   cmake "-DCOMMAND=program;arguments..." -P expect-one-line-error.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status MATCHES "^[0-9]+$" OR status EQUAL 0)
  message(FATAL_ERROR "expected a non-zero exit status, got \"${status}\"")
endif()
string(REGEX MATCHALL "\n" breaks "${output}")
list(LENGTH breaks lines)
if(NOT lines EQUAL 1 OR NOT output MATCHES "^vst-render: ")
  message(FATAL_ERROR "expected one line from vst-render, got:\n${output}")
endif()
message(STATUS "refused as expected: ${output}")
