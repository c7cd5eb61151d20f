# Fails when the English translation is not complete: when lupdate, run on the window's sources as
# the target update_translations runs it, would add, change or drop an entry of the .ts, or when
# an entry has no translation. Run with cmake -P and:
#   LUPDATE, PROJECT (the .cmake description qt_add_lupdate writes), GENERATOR (Qt's script that
#   makes it lupdate's JSON project), OPTIONS (lupdate's, ';'-separated), TS_FILE, WORK_DIR.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(json ${WORK_DIR}/project.json)
set(updated ${WORK_DIR}/updated.ts)
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT} -DOUT_FILE=${json} -P ${GENERATOR}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not write lupdate's project ${json}")
endif()
file(COPY_FILE ${TS_FILE} ${updated})
execute_process(COMMAND ${LUPDATE} -project ${json} ${OPTIONS} -ts ${updated}
                RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
file(READ ${TS_FILE} committed)
file(READ ${updated} fresh)
if(NOT committed STREQUAL fresh)
  message(FATAL_ERROR "${TS_FILE} is not up to date with the sources; build the target "
                      "update_translations and translate what it adds (lupdate said:\n${output})")
endif()
foreach(mark "type=\"unfinished\"" "type=\"obsolete\"" "type=\"vanished\"" "<translation></translation>"
             "<translation/>")
  string(FIND "${committed}" "${mark}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${TS_FILE} has an entry without its translation (${mark})")
  endif()
endforeach()
message(STATUS "${TS_FILE} is complete")
