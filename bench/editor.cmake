# The channel-list editor on a full list (offscreen): open, view switch, cut
# and paste of 100 rows, undo, find over 4000 rows, save, printing 4000 rows
# to PDF, and the memory of a long undo history.
add_executable(bench_editor ${CMAKE_CURRENT_LIST_DIR}/bench_editor.cpp)
target_link_libraries(bench_editor PRIVATE quelvox_editor quelvox_channellist_testsupport
    benchmark::benchmark)
