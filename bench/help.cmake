# The help window (offscreen): F1 to the painted contents page of helpen.chm,
# and a change of page.
add_executable(bench_help ${CMAKE_CURRENT_LIST_DIR}/bench_help.cpp)
target_link_libraries(bench_help PRIVATE quelvox_help benchmark::benchmark)
target_compile_definitions(bench_help PRIVATE QUELVOX_HELP_DIR="${QUELVOX_HELP_DIR}")
if(TARGET quelvox_help_chm)
    add_dependencies(bench_help quelvox_help_chm)
endif()
