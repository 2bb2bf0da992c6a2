# Where an installed Quelvox keeps its files (the usual Linux layout), and the
# Debian package built from it with CPack.
include(GNUInstallDirs)

set(QUELVOX_APP_ID de.quelvox.Quelvox)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS quelvox quelvox-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The stand-in receiver gets the program's prefix once installed; in the build
# tree it keeps its short name, which the scripts and tests use.
install(PROGRAMS $<TARGET_FILE:receiver-sim> DESTINATION ${CMAKE_INSTALL_BINDIR}
    RENAME quelvox-receiver-sim)
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\"
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quelvox-receiver-sim\")
    endif()")

install(FILES ${packaging}/${QUELVOX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${QUELVOX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/icons/quelvox.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(QUELVOX_ICON_SIZES 16 32 48 64 128 256)
foreach(size ${QUELVOX_ICON_SIZES})
    install(FILES ${packaging}/icons/quelvox-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quelvox.png)
endforeach()
# The help files are looked for here (help/HelpViewer.cpp: ../share/quelvox/help
# from the executable).
install(FILES ${packaging}/help-README DESTINATION ${CMAKE_INSTALL_DATADIR}/quelvox/help
    RENAME README)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quelvox)
# What Debian wants beside every package's documentation: the copyright file
# and the changelog, compressed (-n: no name or time stamp).
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quelvox)
set(QUELVOX_MAINTAINER "The Quelvox developers <maintainers@quelvox.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
configure_file(${packaging}/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/packaging/changelog
        > ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog
    COMMENT "Compressing the package changelog")
add_custom_target(quelvox_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quelvox)

# Manual pages, compressed as Debian keeps them (-n: no name or time stamp).
set(QUELVOX_MAN_PAGES quelvox quelvox-cli quelvox-receiver-sim)
set(man_outputs)
foreach(page ${QUELVOX_MAN_PAGES})
    set(source ${PROJECT_SOURCE_DIR}/doc/man/${page}.1)
    set(output ${PROJECT_BINARY_DIR}/doc/man/${page}.1.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc/man
        COMMAND gzip -9n -c ${source} > ${output}
        DEPENDS ${source}
        COMMENT "Compressing the manual page ${page}(1)")
    list(APPEND man_outputs ${output})
endforeach()
add_custom_target(quelvox_man ALL DEPENDS ${man_outputs})
install(FILES ${man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: make package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelvox)
set(CPACK_PACKAGE_VENDOR "The Quelvox developers")
set(CPACK_PACKAGE_CONTACT "${QUELVOX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service tool for TV receivers on a serial line")
# Lines of at most 80 characters, as Debian's description rules want them.
set(CPACK_PACKAGE_DESCRIPTION
    "Quelvox talks to digital satellite, cable and terrestrial TV receivers over
an RS-232 serial line or a USB serial adapter: a terminal to the receiver's
firmware menu, receiving and sending channel lists (with a backup of the
receiver's own list), software updates, and a channel-list editor.
quelvox-cli does the list-file work and the transfers from a shell;
quelvox-receiver-sim is a stand-in receiver on a pseudo-terminal for trying
it without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quelvox_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the binaries link (Qt 6, the C and C++ runtime) with their
# versions, as dpkg-shlibdeps (dpkg-dev) finds them; without it, the Qt 6
# runtime by name.
find_program(QUELVOX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUELVOX_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6serialport6 (>= 6.4), libstdc++6 (>= 12)")
endif()
# Qt's own dialogs follow the program's language with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm | kchmviewer")
include(CPack)
