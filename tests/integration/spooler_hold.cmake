# The spooler hold against a real, private cupsd that the test program starts on a unix socket in a
# temporary folder (no network), with stand-in usb and serial backends; labelled "cups"; it fails where
# no cupsd can be started. Run as root, a part runs the command line as nobody against quorlink-device-sim.
add_executable(spooler-hold-cups-tests ${CMAKE_CURRENT_LIST_DIR}/spooler_hold_cups_tests.cpp)
target_include_directories(spooler-hold-cups-tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(spooler-hold-cups-tests PRIVATE quorlink-core GTest::gtest GTest::gmock
                      nlohmann_json::nlohmann_json)
add_dependencies(spooler-hold-cups-tests quorlink quorlink-device-sim)
add_test(NAME spooler-hold-cups COMMAND spooler-hold-cups-tests)
set_tests_properties(spooler-hold-cups PROPERTIES
    LABELS cups TIMEOUT 300
    ENVIRONMENT "QL_CLI=$<TARGET_FILE:quorlink>;QL_DEVICE_SIM_BIN=$<TARGET_FILE:quorlink-device-sim>")
