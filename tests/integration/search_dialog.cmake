# The search dialog (offscreen) with the real UDP endpoint against the printer simulator, inside the private
# network of scripts/netns-harness, on one link and on two; labelled "netns"; fails when not root.
if(QUORLINK_BUILD_GUI)
    add_executable(search-dialog-driver ${CMAKE_CURRENT_LIST_DIR}/search_dialog_driver.cpp)
    target_include_directories(search-dialog-driver PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
    target_link_libraries(search-dialog-driver PRIVATE quorlink-qt)
    foreach(variant "netns-search-dialog|" "netns-search-dialog-two-links|--second-link")
        string(REPLACE "|" ";" parts "${variant}")
        list(GET parts 0 name)
        list(LENGTH parts count)
        set(options "")
        if(count GREATER 1)
            list(GET parts 1 options)
        endif()
        add_test(NAME ${name}
                 COMMAND ${CMAKE_SOURCE_DIR}/scripts/netns-harness ${options}
                         --sim ${CMAKE_CURRENT_LIST_DIR}/search_dialog_sim.json
                         --sim-bin $<TARGET_FILE:quorlink-printer-sim> -- $<TARGET_FILE:search-dialog-driver>)
        set_tests_properties(${name} PROPERTIES LABELS netns TIMEOUT 120 RUN_SERIAL TRUE
                             ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endforeach()
endif()
