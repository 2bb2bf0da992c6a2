# Online terminal against a pseudo-terminal: idle CPU and typed-line latency.
if(TARGET quelvox_test_pty)
    add_executable(bench_terminal ${CMAKE_CURRENT_LIST_DIR}/bench_terminal.cpp)
    target_link_libraries(bench_terminal PRIVATE quelvox_serial quelvox_test_pty
                          benchmark::benchmark)
endif()
