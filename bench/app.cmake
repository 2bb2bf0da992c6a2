# Start-up of the program: first shown main window (offscreen).
add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp)
target_link_libraries(bench_startup PRIVATE quelvox_app benchmark::benchmark)
