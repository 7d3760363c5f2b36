# Checks of the desktop files and of the Debian package, in place and installed into a
# throwaway root. A sanitized build would make a package that needs the sanitizer
# runtimes, so these run in the plain builds only.
if(TALLYWORTH_SANITIZE)
  return()
endif()

include(${PROJECT_SOURCE_DIR}/cmake/Packaging.cmake)

set(_packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(_packaging_script ${_packaging_dir}/package_test.sh)
set(_packaging_environment
    "PKG_BUILD_DIR=${PROJECT_BINARY_DIR}"
    "PKG_SCRATCH=${CMAKE_CURRENT_BINARY_DIR}/packaging_scratch"
    "PKG_NAME=${TALLYWORTH_EXECUTABLE}"
    "PKG_APP_ID=${TALLYWORTH_APP_ID}"
    "PKG_VERSION_HEADER=${PROJECT_BINARY_DIR}/generated/tallyworth/version.h"
    "PKG_CLOSE_WINDOW=${_packaging_dir}/close_window.py")

add_test(NAME packaging.desktop_entry_is_valid
         COMMAND desktop-file-validate ${TALLYWORTH_DESKTOP_FILE})
add_test(NAME packaging.metainfo_is_valid
         COMMAND appstreamcli validate --no-net ${TALLYWORTH_METAINFO_FILE})

add_test(NAME packaging.build_package COMMAND ${_packaging_script} build)
add_test(NAME packaging.remove_package COMMAND ${_packaging_script} clean)
set_tests_properties(packaging.build_package PROPERTIES FIXTURES_SETUP tallyworth_package)
set_tests_properties(packaging.remove_package PROPERTIES FIXTURES_CLEANUP tallyworth_package)

foreach(check contents control depends metadata start start_german service)
  add_test(NAME packaging.package_${check} COMMAND ${_packaging_script} ${check})
  set_tests_properties(packaging.package_${check} PROPERTIES FIXTURES_REQUIRED tallyworth_package)
endforeach()

set(_package_tests
    packaging.build_package packaging.remove_package packaging.package_contents
    packaging.package_control packaging.package_depends packaging.package_metadata
    packaging.package_start packaging.package_start_german packaging.package_service)
set_tests_properties(${_package_tests} PROPERTIES ENVIRONMENT "${_packaging_environment}"
                                                  TIMEOUT 180)
set_tests_properties(packaging.desktop_entry_is_valid packaging.metainfo_is_valid
                     ${_package_tests} PROPERTIES LABELS packaging)
