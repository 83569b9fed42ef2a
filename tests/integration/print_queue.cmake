# Printing to the simulated printers through a private cupsd with the quorlink and socket backends, inside
# the network harness; labelled "netns" and "cups". Never skipped: without root, a namespace, the
# simulator or the cupsd (Debian packages cups-daemon and cups) it fails.
# The backend's class is checked by the core tests too.
target_link_libraries(core-tests PRIVATE quorlink-backend-lib)

add_executable(print-queue-tests ${CMAKE_CURRENT_LIST_DIR}/print_queue_tests.cpp)
target_include_directories(print-queue-tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(print-queue-tests PRIVATE quorlink-core GTest::gtest GTest::gtest_main
                      nlohmann_json::nlohmann_json)
add_dependencies(print-queue-tests quorlink-printer-sim quorlink quorlink-cups-backend)
add_test(NAME print-queue COMMAND ${CMAKE_SOURCE_DIR}/scripts/netns-harness -- $<TARGET_FILE:print-queue-tests>)
set_tests_properties(print-queue PROPERTIES
    LABELS "netns;cups" TIMEOUT 400
    ENVIRONMENT
    "QL_SIM_BIN=$<TARGET_FILE:quorlink-printer-sim>;QL_CLI=$<TARGET_FILE:quorlink>;QL_BACKEND=$<TARGET_FILE:quorlink-cups-backend>")
