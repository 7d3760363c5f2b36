# The program's catalogues: translations/tallyworth_<language>.ts are kept in the
# repository and edited by translators; the build turns them into .qm files.
#   cmake --build --preset dev --target tallyworth_lupdate   # new texts into every .ts
# The .qm files go to share/tallyworth/translations, beside bin/ when installed and in
# the build tree alike, where the program looks for them relative to itself.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
include(GNUInstallDirs)

set(TALLYWORTH_LANGUAGES de es fr nl)
set(TALLYWORTH_CATALOGUE_DIR ${PROJECT_BINARY_DIR}/share/tallyworth/translations)

set(TALLYWORTH_TS_FILES)
foreach(language IN LISTS TALLYWORTH_LANGUAGES)
  list(APPEND TALLYWORTH_TS_FILES ${PROJECT_SOURCE_DIR}/translations/tallyworth_${language}.ts)
endforeach()
# English is the texts' own language; its catalogue holds only the plural forms of the
# counted texts ("1 different problem", "2 different problems").
set(TALLYWORTH_PLURALS_TS_FILE ${PROJECT_SOURCE_DIR}/translations/tallyworth_en.ts)
set_source_files_properties(${TALLYWORTH_TS_FILES} ${TALLYWORTH_PLURALS_TS_FILE}
                            PROPERTIES OUTPUT_LOCATION ${TALLYWORTH_CATALOGUE_DIR})

# Every source of the program, whichever library it is built into. Without line numbers
# in the catalogues, moving code around leaves them unchanged.
set(_tallyworth_translated_sources)
foreach(library IN LISTS TALLYWORTH_LIBRARIES)
  get_target_property(_library_sources ${library} SOURCES)
  foreach(source IN LISTS _library_sources)
    list(APPEND _tallyworth_translated_sources ${PROJECT_SOURCE_DIR}/src/${source})
  endforeach()
endforeach()
set(TALLYWORTH_LUPDATE_OPTIONS -no-obsolete -locations none -source-language en)
qt_add_lupdate(tallyworth TS_FILES ${TALLYWORTH_TS_FILES}
               SOURCES ${_tallyworth_translated_sources}
               OPTIONS ${TALLYWORTH_LUPDATE_OPTIONS})
qt_add_lupdate(tallyworth_plurals TS_FILES ${TALLYWORTH_PLURALS_TS_FILE}
               SOURCES ${_tallyworth_translated_sources}
               INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
               OPTIONS ${TALLYWORTH_LUPDATE_OPTIONS} -pluralonly
               NO_GLOBAL_TARGET)
add_dependencies(tallyworth_lupdate tallyworth_plurals_lupdate)
qt_add_lrelease(tallyworth TS_FILES ${TALLYWORTH_TS_FILES} ${TALLYWORTH_PLURALS_TS_FILE}
                QM_FILES_OUTPUT_VARIABLE TALLYWORTH_QM_FILES)

install(FILES ${TALLYWORTH_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tallyworth/translations)
