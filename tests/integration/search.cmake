# Discovery, IP settings and command-line tests in private network namespaces (scripts/netns-harness);
# labelled "netns"; fails when not root.

# The simulator's and the command line's classes are checked by the core tests too.
target_link_libraries(core-tests PRIVATE quorlink-sim-lib quorlink-cli-lib)

add_executable(search-integration-tests ${CMAKE_CURRENT_LIST_DIR}/search_tests.cpp)
target_include_directories(search-integration-tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(search-integration-tests PRIVATE quorlink-core GTest::gtest GTest::gtest_main
                      nlohmann_json::nlohmann_json)
add_executable(udp-flood ${CMAKE_CURRENT_LIST_DIR}/udp_flood.cpp)
add_dependencies(search-integration-tests quorlink-printer-sim quorlink udp-flood)

# name, harness options, test filter
set(QUORLINK_SEARCH_GROUPS
    "search-wire||SearchWire.*"
    "search-two-links|--second-link|SearchWire.InterfaceTable*:SearchTwoLinks.*:SearchBroadcast.*"
    "search-two-cards|--two-cards|SearchTwoCards.*"
    "search-round|--second-link|SearchRound.*"
    "search-interfaces||SearchInterfaces.*"
    "settings-exchange||SettingsExchange.*"
    "search-cli||CliCommands.*"
    "search-faults|--second-link|SearchFaults.*")
foreach(group ${QUORLINK_SEARCH_GROUPS})
    string(REPLACE "|" ";" parts "${group}")
    list(GET parts 0 name)
    list(GET parts 1 options)
    list(GET parts 2 filter)
    add_test(NAME ${name}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/netns-harness ${options} --
                     $<TARGET_FILE:search-integration-tests> --gtest_filter=${filter})
    set_tests_properties(${name} PROPERTIES
        LABELS netns TIMEOUT 300
        ENVIRONMENT
        "QL_SIM_BIN=$<TARGET_FILE:quorlink-printer-sim>;QL_CLI=$<TARGET_FILE:quorlink>;QL_FLOOD_BIN=$<TARGET_FILE:udp-flood>")
endforeach()
