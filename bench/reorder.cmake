# Reordering a freshly scanned full list like a reference and comparing two
# full lists (4000 channels each).
add_executable(bench_reorder ${CMAKE_CURRENT_LIST_DIR}/bench_reorder.cpp)
target_link_libraries(bench_reorder PRIVATE quelvox_reorder benchmark::benchmark)
