# SPDX-License-Identifier: MIT
# The simulator's trace with the default players is pinned: one match in
# full, and three matches at eight start times by their SHA-256. Any change
# to what the default game does shows here.
# Usage: cmake -DSIM=<tesseran-sim> -DPINNED=<folder> -P PinnedTraceMatches.cmake
execute_process(COMMAND ${SIM} --trace --matches 1 --start 10:20:30
                OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/trace-102030.txt RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the simulator failed (${status})")
endif()
file(READ ${PINNED}/trace-102030.txt expected)
file(READ ${CMAKE_CURRENT_BINARY_DIR}/trace-102030.txt actual)
if(NOT expected STREQUAL actual)
  message(FATAL_ERROR "the trace of 10:20:30 differs from the pinned one: "
                      "diff ${PINNED}/trace-102030.txt ${CMAKE_CURRENT_BINARY_DIR}/trace-102030.txt")
endif()

set(pinned
  "00:00:00 8289a98fb7fb768ae2bb79634de0e1e1faa6aa41fdea6e330780c86721e05efc"
  "02:46:13 7e6a34f0fedfbfa62ef19cff867eb1e3a39e4505d355691fc3d6aff46f1254e6"
  "05:31:07 f0b050e843bb76e9f085615e05d5fd9664d612d1c6a370602ba9fae2994a58e0"
  "08:08:08 e7a56993fec3c1e3ed815b841ace9c58e0eecb7d66113ffb67f01d824a1839eb"
  "11:59:59 6e63daea553487a100c1a2793d9fb68a087371890563c601f5afc2a9fd2e85ea"
  "15:15:15 b84589773cccffe321b1ffd0cfbaa848bcc5e00adea95465ce841ba6a3d5ffe4"
  "19:42:37 a624a350b7ac9ccfd0536dfbadb56007abb9ede7da4cd1301a4519458abdc536"
  "23:59:59 26c0bba379fe402ad465c3a3ecbe7ee1a37a96abdd4349069f03300ad137f179")
foreach(entry IN LISTS pinned)
  string(REPLACE " " ";" parts "${entry}")
  list(GET parts 0 start)
  list(GET parts 1 hash)
  execute_process(COMMAND ${SIM} --trace --matches 3 --start ${start} OUTPUT_VARIABLE trace RESULT_VARIABLE status)
  string(SHA256 actual_hash "${trace}")
  if(NOT status EQUAL 0 OR NOT actual_hash STREQUAL hash)
    message(FATAL_ERROR "the trace of three matches from ${start} differs from the pinned one")
  endif()
endforeach()
