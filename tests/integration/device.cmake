# The device road over real ptys: quorlink-device-sim plays the printer's network module on the far end.
# Needs no network; labelled "device". The tests find quorlink-device-sim, quorlink and port-open-probe in
# $QL_BIN_DIR (or as $QL_DEVICE_SIM_BIN, $QL_CLI, $QL_PORT_OPEN_PROBE). Run as root, the permission cases run
# the command line and port-open-probe (the connection dialog on a typed serial path) as the user nobody
# through setpriv; otherwise they are skipped.
add_executable(port-open-probe ${CMAKE_CURRENT_LIST_DIR}/port_open_probe.cpp)
target_include_directories(port-open-probe PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(port-open-probe PRIVATE quorlink-core)

file(GLOB QUORLINK_DEVICE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/device_*_tests.cpp)
add_executable(device-integration-tests ${QUORLINK_DEVICE_TESTS})
target_include_directories(device-integration-tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(device-integration-tests PRIVATE quorlink-core GTest::gtest GTest::gtest_main
                      nlohmann_json::nlohmann_json)
add_dependencies(device-integration-tests quorlink-device-sim quorlink port-open-probe)
target_compile_definitions(device-integration-tests PRIVATE QUORLINK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(device-integration-tests DISCOVERY_TIMEOUT 30
    PROPERTIES LABELS device TIMEOUT 120
    ENVIRONMENT "QL_BIN_DIR=$<TARGET_FILE_DIR:quorlink-device-sim>")
