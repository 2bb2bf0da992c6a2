# Speed of the channel-list model on a full list (4000 channels, 1000
# transponders).
add_executable(bench_channellist ${CMAKE_CURRENT_LIST_DIR}/bench_channellist.cpp)
target_link_libraries(bench_channellist PRIVATE quelvox_listmodel benchmark::benchmark)
