# SPDX-License-Identifier: MIT
# Plays the same three matches twice, once straight through and once
# interrupted at five points of every match (saved to a snapshot, then taken
# up by a fresh engine built from the snapshot alone), and fails unless the
# two traces are the same byte for byte.
# Usage: cmake -DSIM=<tesseran-sim> -DSTART=HH:MM:SS -P InterruptedTraceMatches.cmake
execute_process(COMMAND ${SIM} --trace --matches 3 --start ${START}
                OUTPUT_VARIABLE plain RESULT_VARIABLE plain_status)
execute_process(COMMAND ${SIM} --trace --matches 3 --start ${START} --interrupt 5
                OUTPUT_VARIABLE interrupted RESULT_VARIABLE interrupted_status ERROR_VARIABLE errors)
if(NOT plain_status EQUAL 0 OR NOT interrupted_status EQUAL 0)
  message(FATAL_ERROR "the simulator failed (${plain_status}, ${interrupted_status}): ${errors}")
endif()
string(LENGTH "${plain}" length)
if(length LESS 1000)
  message(FATAL_ERROR "the plain trace is too short to mean anything (${length} bytes)")
endif()
if(NOT plain STREQUAL interrupted)
  message(FATAL_ERROR "the interrupted trace differs from the plain one at ${START}")
endif()
