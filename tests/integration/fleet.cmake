# set-ip --batch, search --csv and searches of subnets behind a router, in private network namespaces
# (scripts/netns-harness; --router for the routed group); labelled "netns"; fails when not root.
add_executable(fleet-integration-tests ${CMAKE_CURRENT_LIST_DIR}/fleet_tests.cpp)
target_include_directories(fleet-integration-tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(fleet-integration-tests PRIVATE GTest::gtest GTest::gtest_main nlohmann_json::nlohmann_json)
add_dependencies(fleet-integration-tests quorlink-printer-sim quorlink)

# name, harness options, test filter
set(QUORLINK_FLEET_GROUPS
    "fleet-batch||FleetBatch.*:FleetSearch.*"
    "fleet-router|--router|FleetRouter.*")
foreach(group ${QUORLINK_FLEET_GROUPS})
    string(REPLACE "|" ";" parts "${group}")
    list(GET parts 0 name)
    list(GET parts 1 options)
    list(GET parts 2 filter)
    add_test(NAME ${name}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/netns-harness ${options} --
                     $<TARGET_FILE:fleet-integration-tests> --gtest_filter=${filter})
    set_tests_properties(${name} PROPERTIES
        LABELS netns TIMEOUT 300
        ENVIRONMENT "QL_SIM_BIN=$<TARGET_FILE:quorlink-printer-sim>;QL_CLI=$<TARGET_FILE:quorlink>")
endforeach()
