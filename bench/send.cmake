# The list send and the software update against the stand-in receiver at the
# real line speed.
add_executable(bench_send ${CMAKE_CURRENT_LIST_DIR}/bench_send.cpp)
target_link_libraries(bench_send PRIVATE quelvox_serial quelvox_listformat benchmark::benchmark)
target_compile_definitions(bench_send PRIVATE
    RECEIVER_SIM_PATH="$<TARGET_FILE:receiver-sim>")
add_dependencies(bench_send receiver-sim)
