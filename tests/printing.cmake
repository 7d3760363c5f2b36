# Printing is tested end to end through a print scheduler each test starts for itself
# (support/cups/start-scheduler.sh, driven by support/cups_harness.h); the harness talks
# to it through libcups, like the program does.
find_package(Cups REQUIRED)
foreach(program tallyworth_page_tests tallyworth_main_tests)
  if(TARGET ${program})
    target_sources(${program} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support/cups_harness.h)
    target_link_libraries(${program} PRIVATE Cups::Cups)
  endif()
endforeach()
