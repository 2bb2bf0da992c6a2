# quelvox_add_test(NAME <name> SOURCES <files...> LIBS <libs...> [GUI])
# One ctest entry per test executable. Every test runs headless, in a scratch
# working directory of its own (the program writes its log files there). A
# program with a skipped case exits with 77 and shows as skipped (under CI=true
# it fails instead; tests/support/SkipStatus.h).
function(quelvox_add_test)
    cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest)
    if(T_GUI)
        target_link_libraries(${T_NAME} PRIVATE quelvox_test_main_gui)
    else()
        target_link_libraries(${T_NAME} PRIVATE quelvox_test_main)
    endif()
    set(workdir ${CMAKE_CURRENT_BINARY_DIR}/run-${T_NAME})
    file(MAKE_DIRECTORY ${workdir})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} WORKING_DIRECTORY ${workdir})
    set_tests_properties(${T_NAME} PROPERTIES
        TIMEOUT 300
        SKIP_RETURN_CODE 77
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${workdir};QUELVOX_LOCK_DIR=${workdir};QUELVOX_BUILD_DIR=${CMAKE_BINARY_DIR};QUELVOX_SOURCE_DIR=${CMAKE_SOURCE_DIR};LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()
