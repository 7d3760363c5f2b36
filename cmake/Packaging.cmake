# The program's identity for desktops and package tools, and how CPack makes the Debian
# package (`cpack -G DEB` in a build directory makes tallyworth_<version>_<arch>.deb).
# Only sets variables, so the tests can read the same names; Install.cmake uses them.
set(TALLYWORTH_APP_ID org.tallyworth.Tallyworth)
set(TALLYWORTH_EXECUTABLE tallyworth)
set(TALLYWORTH_DEVELOPER "The Tallyworth developers")
set(TALLYWORTH_RELEASE_DATE 2026-12-06)

# The version record is written with padded fields (1.02.0002); users and package tools
# see each field as a plain number (1.2.2).
math(EXPR _tallyworth_major "${PROJECT_VERSION_MAJOR}")
math(EXPR _tallyworth_minor "${PROJECT_VERSION_MINOR}")
math(EXPR _tallyworth_patch "${PROJECT_VERSION_PATCH}")
set(TALLYWORTH_DISPLAY_VERSION "${_tallyworth_major}.${_tallyworth_minor}.${_tallyworth_patch}")

set(TALLYWORTH_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(TALLYWORTH_GENERATED_DATA_DIR ${PROJECT_BINARY_DIR}/data)
set(TALLYWORTH_DESKTOP_FILE ${TALLYWORTH_GENERATED_DATA_DIR}/${TALLYWORTH_APP_ID}.desktop)
set(TALLYWORTH_METAINFO_FILE ${TALLYWORTH_GENERATED_DATA_DIR}/${TALLYWORTH_APP_ID}.metainfo.xml)
set(TALLYWORTH_ICON_SIZES 16 32 48 64 128 256)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TALLYWORTH_EXECUTABLE})
set(CPACK_PACKAGE_VERSION ${TALLYWORTH_DISPLAY_VERSION})
set(CPACK_PACKAGE_VENDOR "${TALLYWORTH_DEVELOPER}")
set(CPACK_PACKAGE_CONTACT "${TALLYWORTH_DEVELOPER} <developers@tallyworth.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic-fact practice worksheet maker")
set(CPACK_PACKAGE_DESCRIPTION
    "Tallyworth makes practice sheets of simple sums, differences, products and quotients.
Pick an operation, the lowest and highest number and how many problems to set;
Tallyworth draws the problems at random, lays them out on a US Letter page, shows
or hides the solutions and prints the page.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the program links; the Qt platform plugin is loaded
# at run time, so it has to be named here or the program cannot open a window. The
# windows are laid out for a face with Arial's proportions: Liberation Sans or Nimbus
# Sans brings one, where the desktop's default face would have to shrink the captions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2 | fonts-urw-base35")
# Qt's own dialogs and buttons (message boxes, colour, file and print dialogs) speak the
# user's language with Qt's catalogues; without them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# The server's options are the administrator's: an upgrade keeps their edits.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/../data/conffiles)
