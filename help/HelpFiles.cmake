# The help files helpde.chm, helpen.chm and helpfr.chm, compiled from the HTML
# pages in help/content/<language>/ with Free Pascal's chmcmd (Debian package
# fp-utils-3.2.2). They land beside the program (build/app), where a help file
# name without a folder is looked for, and are installed to share/quelvox/help.
find_program(QUELVOX_CHMCMD NAMES chmcmd chmcmd-3.2.2)
set(QUELVOX_HELP_LANGUAGES de en fr)
set(QUELVOX_HELP_DIR ${PROJECT_BINARY_DIR}/app)
set(QUELVOX_HELP_FILES)
set(QUELVOX_HELP_DIR ${QUELVOX_HELP_DIR} PARENT_SCOPE)

if(NOT QUELVOX_CHMCMD)
    message(WARNING "chmcmd not found: the help files helpde.chm, helpen.chm and helpfr.chm "
        "are NOT built and their tests fail. Install fp-utils-3.2.2 (make deps does).")
    return()
endif()

foreach(lang ${QUELVOX_HELP_LANGUAGES})
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/content/${lang})
    set(stage ${CMAKE_CURRENT_BINARY_DIR}/content/${lang})
    set(output ${QUELVOX_HELP_DIR}/help${lang}.chm)
    file(GLOB pages CONFIGURE_DEPENDS ${source}/*)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${source} ${stage}
        # chmcmd writes the file named in the project into the folder it runs in.
        COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${QUELVOX_CHMCMD} help.hhp > chmcmd-${lang}.log
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QUELVOX_HELP_DIR}
        COMMAND ${CMAKE_COMMAND} -E copy ${stage}/help${lang}.chm ${output}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        DEPENDS ${pages}
        COMMENT "Compiling the help file help${lang}.chm")
    list(APPEND QUELVOX_HELP_FILES ${output})
endforeach()
add_custom_target(quelvox_help_chm ALL DEPENDS ${QUELVOX_HELP_FILES})
set(QUELVOX_HELP_FILES ${QUELVOX_HELP_FILES} PARENT_SCOPE)
