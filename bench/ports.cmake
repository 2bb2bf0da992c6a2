# Hot-plug: from a port's appearance to the refreshed port list, and the cost
# of watching while nothing happens.
add_executable(bench_ports ${CMAKE_CURRENT_LIST_DIR}/bench_ports.cpp)
target_link_libraries(bench_ports PRIVATE quelvox_ports quelvox_serial benchmark::benchmark)
