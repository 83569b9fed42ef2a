# The WLAN (Advanced) page end to end (offscreen): the page as the program builds it, over the real serial
# port, against quorlink-device-sim on a pty whose path is typed into the connection dialog. Labelled
# "device"; needs no privileges and no network.
if(QUORLINK_BUILD_GUI)
    add_executable(wlan-page-driver ${CMAKE_CURRENT_LIST_DIR}/wlan_page_driver.cpp)
    set_target_properties(wlan-page-driver PROPERTIES AUTOMOC ON)
    target_include_directories(wlan-page-driver PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
    target_link_libraries(wlan-page-driver PRIVATE quorlink-qt Qt6::Test nlohmann_json::nlohmann_json)
    add_dependencies(wlan-page-driver quorlink-device-sim)
    if(TARGET quorlink-translations)
        add_dependencies(wlan-page-driver quorlink-translations)
    endif()
    add_test(NAME device-wlan-page COMMAND wlan-page-driver)
    # A printer that never answers takes its 17.5 s of retries (and one read before them) once.
    set_tests_properties(device-wlan-page PROPERTIES LABELS device TIMEOUT 240
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QL_BIN_DIR=$<TARGET_FILE_DIR:quorlink-device-sim>")
endif()

# The page's own grid items end to end: an access point picked from the scan list, the password and
# address dialogs, a certificate uploaded through the file dialog, the save; the simulator holds them all.
if(QUORLINK_BUILD_GUI)
    add_executable(wlan-items-driver ${CMAKE_CURRENT_LIST_DIR}/wlan_items_driver.cpp)
    set_target_properties(wlan-items-driver PROPERTIES AUTOMOC ON)
    target_include_directories(wlan-items-driver PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
    target_link_libraries(wlan-items-driver PRIVATE quorlink-qt Qt6::Test nlohmann_json::nlohmann_json)
    add_dependencies(wlan-items-driver quorlink-device-sim)
    add_test(NAME device-wlan-items COMMAND wlan-items-driver)
    set_tests_properties(device-wlan-items PROPERTIES LABELS device TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QL_BIN_DIR=$<TARGET_FILE_DIR:quorlink-device-sim>")
endif()
