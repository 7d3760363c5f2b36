# Printing is tested end to end: each test starts a private print scheduler of its own
# (support/cups_scheduler.*) and reads the printed PDFs back with poppler-utils. The
# harness talks to that scheduler through libcups, like the program does.
find_package(Cups REQUIRED)
file(GLOB tallyworth_cups_support CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/support/cups_*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/support/cups_*.h)
foreach(program tallyworth_page_tests tallyworth_main_tests)
  if(TARGET ${program})
    target_sources(${program} PRIVATE ${tallyworth_cups_support})
    target_link_libraries(${program} PRIVATE Cups::Cups)
  endif()
endforeach()
