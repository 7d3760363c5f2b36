# The server as a district runs it: the Kubernetes manifests read against the API's
# schemas (kubernetes-models and yaml, installed here by `npm ci`, which scripts/test runs).
add_test(NAME deploy.manifests_are_valid_and_hardened
         COMMAND node ${CMAKE_CURRENT_LIST_DIR}/manifests_test.mjs
                 ${PROJECT_SOURCE_DIR}/deploy/kubernetes ${TALLYWORTH_DISPLAY_VERSION}
         WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR})
set_tests_properties(deploy.manifests_are_valid_and_hardened PROPERTIES TIMEOUT 60 LABELS deploy)
# Two servers behind Debian's nginx on loopback, one killed under a load of 30 sets.
add_test(NAME deploy.behind_a_load_balancer
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/load_balancer_test.sh $<TARGET_FILE:tallyworth>)
set_tests_properties(deploy.behind_a_load_balancer PROPERTIES TIMEOUT 300 COST 500 LABELS deploy)
# The container image, built by scripts/image into a scratch directory that keeps it (and
# Debian's packages) for the next run, run read-only as its own user by podman. It ships a
# plain build's package, so a sanitized build, whose package would need the sanitizers'
# runtimes, makes none.
if(TALLYWORTH_SANITIZE)
  return()
endif()
add_test(NAME deploy.container_image
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/image_test.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}
                 ${CMAKE_CURRENT_BINARY_DIR}/image_scratch)
set_tests_properties(deploy.container_image PROPERTIES TIMEOUT 600 COST 2000 LABELS deploy)
