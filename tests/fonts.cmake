# The windows' captions are checked once more on a desktop whose only fonts are DejaVu,
# wider than the faces the windows ask for: fontconfig is given the DejaVu folder and the
# system's alias rules, and the window tests whose names hold "WholeCaption" run again.
find_path(TALLYWORTH_DEJAVU_DIR DejaVuSans.ttf PATHS /usr/share/fonts/truetype/dejavu
          /usr/share/fonts/dejavu NO_DEFAULT_PATH REQUIRED)
set(TALLYWORTH_FONTCONFIG_RULES /etc/fonts/conf.d CACHE PATH "The system's fontconfig rules")
set(_dejavu_setup ${CMAKE_CURRENT_BINARY_DIR}/dejavu-only)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/support/fonts/dejavu-only.conf.in
               ${_dejavu_setup}/fonts.conf @ONLY)
add_test(NAME DejaVuOnly.window_captions
         COMMAND tallyworth_windows_tests --gtest_filter=*WholeCaption*)
# A filter that matches nothing would pass unseen.
set_tests_properties(DejaVuOnly.window_captions PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=${TALLYWORTH_TEST_PLATFORM};FONTCONFIG_FILE=${_dejavu_setup}/fonts.conf;TALLYWORTH_ONLY_FONTS=DejaVu"
  FAIL_REGULAR_EXPRESSION "\\] 0 tests from")
