# Fails when the program's texts and the catalogues have drifted apart: lupdate is run
# over the sources into copies of the .ts files, which must come out unchanged. After
# adding or changing a text, build the tallyworth_lupdate target and translate.
# English's catalogue (PLURALS_TS_FILE) holds only the plural forms and is checked the
# same way.
# Run as: cmake -DPROJECT_FILE=... -DLUPDATE=... -DSCRATCH=... -DOPTIONS=... -DTS_FILES=...
#         -DPLURALS_TS_FILE=... -P
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(
  COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT_FILE} -DOUT_FILE=${SCRATCH}/project.json
          -P ${GENERATOR}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "could not write the lupdate project file")
endif()

set(copies)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(COPY_FILE ${ts} ${SCRATCH}/${name})
  list(APPEND copies ${SCRATCH}/${name})
endforeach()

execute_process(COMMAND ${LUPDATE} -project ${SCRATCH}/project.json -ts ${copies} ${OPTIONS}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed")
endif()
get_filename_component(plurals ${PLURALS_TS_FILE} NAME)
file(COPY_FILE ${PLURALS_TS_FILE} ${SCRATCH}/${plurals})
execute_process(COMMAND ${LUPDATE} -project ${SCRATCH}/project.json -ts ${SCRATCH}/${plurals}
                        ${OPTIONS} -pluralonly
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${plurals}")
endif()
list(APPEND TS_FILES ${PLURALS_TS_FILE})

set(stale)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(READ ${ts} committed)
  file(READ ${SCRATCH}/${name} updated)
  if(NOT committed STREQUAL updated)
    list(APPEND stale ${name})
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "${stale} do not match the program's texts: build the "
                      "tallyworth_lupdate target, translate the new texts and commit them")
endif()
