# SPDX-License-Identifier: MIT
# The translations are whole and current: lupdate, run over the sources into
# copies of the .ts files, finds nothing to add and nothing gone, and no
# entry of either file is left unfinished.
# Usage: cmake -DLUPDATE=<lupdate> -DSOURCE=<source folder> -DWORK=<scratch folder> -P CheckTranslations.cmake
include(${CMAKE_CURRENT_LIST_DIR}/Translations.cmake)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(copies)
foreach(ts IN LISTS TESSERAN_TRANSLATIONS)
  file(COPY ${SOURCE}/translations/${ts} DESTINATION ${WORK})
  list(APPEND copies ${WORK}/${ts})
endforeach()
set(folders)
foreach(folder IN LISTS TESSERAN_TRANSLATED_FOLDERS)
  list(APPEND folders ${SOURCE}/${folder})
endforeach()
execute_process(COMMAND ${LUPDATE} ${TESSERAN_LUPDATE_OPTIONS} -I ${SOURCE} ${folders} -ts ${copies}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${output}")
endif()
foreach(ts IN LISTS TESSERAN_TRANSLATIONS)
  file(READ ${SOURCE}/translations/${ts} committed)
  file(READ ${WORK}/${ts} updated)
  if(NOT committed STREQUAL updated)
    message(FATAL_ERROR "translations/${ts} is not up to date with the sources: "
                        "run `cmake --build <build> --target update-translations` and translate what it adds\n${output}")
  endif()
  string(REGEX MATCHALL "type=\"(unfinished|vanished|obsolete)\"" open "${committed}")
  list(LENGTH open count)
  if(count GREATER 0)
    message(FATAL_ERROR "translations/${ts} has ${count} unfinished or obsolete entries")
  endif()
endforeach()
