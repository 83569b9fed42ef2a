# The device road over real ptys: quorlink-device-sim plays the printer's network module on the far end.
# Needs no privileges and no network; labelled "device". The tests find quorlink-device-sim and quorlink in
# $QL_BIN_DIR (or as $QL_DEVICE_SIM_BIN and $QL_CLI).
file(GLOB QUORLINK_DEVICE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/device_*_tests.cpp)
add_executable(device-integration-tests ${QUORLINK_DEVICE_TESTS})
target_include_directories(device-integration-tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(device-integration-tests PRIVATE quorlink-core GTest::gtest GTest::gtest_main
                      nlohmann_json::nlohmann_json)
add_dependencies(device-integration-tests quorlink-device-sim quorlink)
gtest_discover_tests(device-integration-tests DISCOVERY_TIMEOUT 30
    PROPERTIES LABELS device TIMEOUT 120
    ENVIRONMENT "QL_BIN_DIR=$<TARGET_FILE_DIR:quorlink-device-sim>")
