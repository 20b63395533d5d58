# SPDX-License-Identifier: MIT
# The simulator's trace with the default players is pinned: one match in
# full, and three matches at twenty start times by their SHA-256. Any change
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
  "23:59:59 26c0bba379fe402ad465c3a3ecbe7ee1a37a96abdd4349069f03300ad137f179"
  "01:23:45 c4683123452b170d048ed5eae1e2e08754ca12e82f692f0215b27357ca083ce4"
  "03:33:33 a2a11f6e899103c6f7fbed4b2994d6ab8d82119c187d67f60d5ae7013b0c6c1c"
  "04:04:04 faa9917ac6ae78761c251425ce4168a5089db6bbc78d7bf957ca242a1b58fe66"
  "06:30:15 10feeb3513ba78fc826f1125eb14b429a3baeba6d2afc15ef767421bc2a47542"
  "07:17:29 75e0a3d83787037bf31e674f775e6d2c0c67699b4e5e9bccebd6f69debc36c15"
  "09:59:59 ffb72e5d0af5f63061fdda39fdf0dfe0cb5e50f9be597f5603b6aa4a746edd45"
  "12:34:56 ac577c30715367a7fd278b55d02f745e34e649be652320b99451564b972d2c1a"
  "13:00:01 d98df33e806f1c9a97f40f8bafeb881ed35c6981f497cefddacf410e789a1bd5"
  "17:00:01 a87d7923a120f24cbe40e29006c78f3eda32b8e3ba4dc0f46b8382e6193e15c1"
  "18:18:18 f91e7a6b043e24f3686090153c7f07b0fb55a621953d74b26fd94873d4bcbdc2"
  "21:09:51 2f20a85007832c53dc02896bf952fd4b4ca140df3a50e59aad3ac254ce15eecb"
  "22:22:22 4b8e5536bb0d9de8bd9634aa912bad0f0e60fc2a9a95cd64bec7c3b173d67a14")
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
