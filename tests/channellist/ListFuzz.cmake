# libFuzzer build of the list loader and the list operations, run as a
# bounded ctest. Needs clang++-14 with its runtime (libclang-rt-14-dev); the
# rest of the build may use another compiler, so the fuzzer is compiled here
# by a custom command.
if(NOT QUELVOX_SANITIZE)
    return() # the fuzz run belongs to the sanitizer test build
endif()
find_program(QUELVOX_FUZZ_CXX NAMES clang++-14)
if(NOT QUELVOX_FUZZ_CXX)
    # `make test` installs clang-14, so in CI a missing compiler is an error.
    # Elsewhere the test stays in the list and reports itself as skipped.
    set(reason "clang++-14 not found (package clang-14 and libclang-rt-14-dev): the list fuzz test cannot run")
    if("$ENV{CI}" STREQUAL "true")
        message(FATAL_ERROR "${reason}")
    endif()
    message(WARNING "${reason}")
    add_test(NAME channellist_fuzz COMMAND sh -c "echo '${reason}'; exit 77")
    set_tests_properties(channellist_fuzz PROPERTIES SKIP_RETURN_CODE 77)
    return()
endif()

get_target_property(i18n_dir quelvox_i18n SOURCE_DIR)
set(fuzz_sources
    ${CMAKE_CURRENT_SOURCE_DIR}/ListFuzzTarget.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ListExercise.cpp
    ${i18n_dir}/Messages.cpp
    ${i18n_dir}/TextTable.cpp)
foreach(lib quelvox_listformat quelvox_listmodel quelvox_fileio)
    get_target_property(lib_dir ${lib} SOURCE_DIR)
    get_target_property(lib_sources ${lib} SOURCES)
    foreach(source ${lib_sources})
        list(APPEND fuzz_sources ${lib_dir}/${source})
    endforeach()
endforeach()

# Helpers that touch every byte of a 185 KB image on each input (the byte
# reader, the checksum) and the standard library stay sanitized but without
# coverage tracing: their comparisons guide nothing and cost most of the time.
set(fuzz_ignorelist ${CMAKE_CURRENT_BINARY_DIR}/channellist_fuzz_ignore.txt)
file(WRITE ${fuzz_ignorelist}
    "src:*/listformat/ListCrc32.cpp\n"
    "src:*/listformat/FieldReader.cpp\n"
    "fun:_ZNSt*\nfun:_ZNKSt*\nfun:_ZSt*\n")

set(fuzz_binary ${CMAKE_CURRENT_BINARY_DIR}/channellist_fuzzer)
add_custom_command(
    OUTPUT ${fuzz_binary}
    COMMAND ${QUELVOX_FUZZ_CXX} -std=c++20 -g -O1 -fPIC
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
        -fsanitize-coverage-ignorelist=${fuzz_ignorelist}
        -D_GLIBCXX_ASSERTIONS ${QUELVOX_WARNINGS}
        -I${CMAKE_SOURCE_DIR}
        "-I$<JOIN:$<TARGET_PROPERTY:Qt6::Core,INTERFACE_INCLUDE_DIRECTORIES>,;-I>"
        ${fuzz_sources}
        $<TARGET_LINKER_FILE:Qt6::Core>
        -o ${fuzz_binary}
    DEPENDS ${fuzz_sources} ${fuzz_ignorelist}
    COMMAND_EXPAND_LISTS
    VERBATIM
    COMMENT "Building the list fuzzer with clang++-14")
add_custom_target(channellist_fuzz ALL DEPENDS ${fuzz_binary})

set(fuzz_workdir ${CMAKE_CURRENT_BINARY_DIR}/run-channellist_fuzz)
file(MAKE_DIRECTORY ${fuzz_workdir})
# A time budget rather than a count: as many inputs as the machine affords in
# 45 s (the exec/s figure is in the test output), capped at a million.
add_test(NAME channellist_fuzz
    COMMAND ${fuzz_binary} -max_total_time=45 -runs=1000000 -seed=1 -max_len=4096
        -rss_limit_mb=4096 -print_final_stats=1
    WORKING_DIRECTORY ${fuzz_workdir})
set_tests_properties(channellist_fuzz PROPERTIES TIMEOUT 300
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
