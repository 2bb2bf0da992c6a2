# The list receive against the stand-in receiver at the real line speed.
add_executable(bench_receive ${CMAKE_CURRENT_LIST_DIR}/bench_receive.cpp)
target_link_libraries(bench_receive PRIVATE quelvox_serial benchmark::benchmark)
target_compile_definitions(bench_receive PRIVATE
    RECEIVER_SIM_PATH="$<TARGET_FILE:receiver-sim>")
add_dependencies(bench_receive receiver-sim)
