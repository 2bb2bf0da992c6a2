# The online terminal's reconnect: from the device's return to online.
if(TARGET quelvox_test_pty AND TARGET quelvox_test_fake_dialogs)
    add_executable(bench_reconnect ${CMAKE_CURRENT_LIST_DIR}/bench_reconnect.cpp)
    target_link_libraries(bench_reconnect PRIVATE quelvox_app quelvox_test_pty
                          quelvox_test_fake_dialogs benchmark::benchmark)
endif()
