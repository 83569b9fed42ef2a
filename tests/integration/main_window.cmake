# The main window (offscreen) as the program builds it, with the real UDP endpoint and search dialog,
# against the printer simulator inside the private network of scripts/netns-harness; labelled "netns",
# fails when not root.
if(QUORLINK_BUILD_GUI)
    add_executable(main-window-driver ${CMAKE_CURRENT_LIST_DIR}/main_window_driver.cpp)
    target_include_directories(main-window-driver PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
    target_link_libraries(main-window-driver PRIVATE quorlink-qt)
    add_test(NAME netns-main-window
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/netns-harness --sim ${CMAKE_CURRENT_LIST_DIR}/main_window_sim.json
                     --sim-bin $<TARGET_FILE:quorlink-printer-sim> -- $<TARGET_FILE:main-window-driver>)
    set_tests_properties(netns-main-window PROPERTIES LABELS netns TIMEOUT 120 RUN_SERIAL TRUE
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
