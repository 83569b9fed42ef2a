# The network settings page end to end: the main window's logic and the real UDP endpoint against the
# printer simulator, inside the private network of scripts/netns-harness (fails when not root).
add_executable(settings-page-driver ${CMAKE_CURRENT_LIST_DIR}/settings_page_driver.cpp)
target_include_directories(settings-page-driver PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(settings-page-driver PRIVATE quorlink-core)
add_test(NAME netns-settings-page
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/netns-harness --sim ${CMAKE_CURRENT_LIST_DIR}/settings_page_sim.json
                 --sim-bin $<TARGET_FILE:quorlink-printer-sim> -- $<TARGET_FILE:settings-page-driver>)
set_tests_properties(netns-settings-page PROPERTIES LABELS netns TIMEOUT 120 RUN_SERIAL TRUE)
