# Install rules and packages. Linux: the GNU layout with a desktop entry, icons, AppStream metadata
# and man pages, packaged as a .deb (scripts/package). Windows: one folder holding the programs,
# the Qt libraries and plugins they load, the MinGW runtime, the readme and the icon, packaged as a
# ZIP that is a portable copy wherever it is unpacked.
#
# The prefix given at configure time is compiled in: an installed copy keeps kelmora.dat out of it
# and looks for its readme in its doc folder. Installing elsewhere with `cmake --install --prefix`
# still works, as the program also looks for the readme relative to itself.

set(KELMORA_APP_ID com.quorrick.Kelmora)
set(KELMORA_RESOURCES ${PROJECT_SOURCE_DIR}/resources)

if(WIN32)
    # The readme beside the program, where Help > View Readme looks first.
    set(KELMORA_BINDIR .)
    set(KELMORA_DOCDIR .)
else()
    set(KELMORA_BINDIR ${CMAKE_INSTALL_BINDIR})
    set(KELMORA_DOCDIR ${CMAKE_INSTALL_DOCDIR})
endif()

install(TARGETS kelmora kelmora-cli RUNTIME DESTINATION ${KELMORA_BINDIR})
install(FILES ${KELMORA_RESOURCES}/Readme-KELMORA.TXT DESTINATION ${KELMORA_DOCDIR})

if(UNIX AND NOT APPLE)
    install(FILES ${KELMORA_RESOURCES}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
    install(FILES ${KELMORA_RESOURCES}/desktop/${KELMORA_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${KELMORA_RESOURCES}/desktop/${KELMORA_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 32 48 64 128 256)
        install(FILES ${KELMORA_RESOURCES}/icons/hicolor/${size}/kelmora.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${KELMORA_APP_ID}.png)
    endforeach()
    install(FILES ${KELMORA_RESOURCES}/icons/kelmora.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${KELMORA_APP_ID}.svg)
    install(FILES ${KELMORA_RESOURCES}/desktop/${KELMORA_APP_ID}.mime.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            RENAME ${KELMORA_APP_ID}.xml)

    # Man pages and the changelog go in compressed, as Debian's policy (and lintian) asks; -n keeps
    # the name and time out, so that the same sources give the same bytes.
    find_program(KELMORA_GZIP gzip REQUIRED)
    set(compressed)
    foreach(source man/kelmora.1 man/kelmora-cli.1 debian/changelog)
        get_filename_component(name ${source} NAME)
        set(output ${CMAKE_BINARY_DIR}/compressed/${name}.gz)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/compressed
            COMMAND sh -c "\"$1\" -9n -c \"$2\" > \"$3\"" gzip ${KELMORA_GZIP} ${KELMORA_RESOURCES}/${source} ${output}
            DEPENDS ${KELMORA_RESOURCES}/${source}
            VERBATIM)
        list(APPEND compressed ${output})
    endforeach()
    add_custom_target(kelmora_compressed_docs ALL DEPENDS ${compressed})
    install(FILES ${CMAKE_BINARY_DIR}/compressed/kelmora.1.gz ${CMAKE_BINARY_DIR}/compressed/kelmora-cli.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${CMAKE_BINARY_DIR}/compressed/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

if(WIN32)
    # Written out, as windeployqt is not there for a cross build: exactly what the programs load.
    # kelmora-cli needs Qt Core alone; kelmora needs Gui and Widgets, the Windows platform plugin and
    # the Vista style, which gives the native look. The icons are PNGs, which Qt Gui reads itself.
    # scripts/windows checks the ZIP against the programs' imports.
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
            DESTINATION ${KELMORA_BINDIR})
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION ${KELMORA_BINDIR}/platforms)
    if(TARGET Qt6::QWindowsVistaStylePlugin)
        install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION ${KELMORA_BINDIR}/styles)
    endif()
    if(MINGW)
        # The compiler's own runtime, which Qt's libraries and the programs link against.
        foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
            execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                            OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(NOT IS_ABSOLUTE "${runtime_path}")
                message(FATAL_ERROR "The compiler does not know where its ${runtime} is")
            endif()
            install(FILES ${runtime_path} DESTINATION ${KELMORA_BINDIR})
        endforeach()
    endif()
    install(FILES ${KELMORA_RESOURCES}/icons/kelmora.ico DESTINATION ${KELMORA_BINDIR})
    # Qt's own texts in the player's language (qtbase_<language>.qm) go in a translations folder beside
    # the programs, where Qt and Kelmora look for them. The .qm files are the same on every system:
    # Debian's qt6-translations-l10n has them in /usr/share/qt6/translations.
    set(KELMORA_QT_TRANSLATIONS "" CACHE PATH "Folder with Qt's qtbase_<language>.qm files for the Windows copy")
    if(KELMORA_QT_TRANSLATIONS)
        foreach(language ${KELMORA_LANGUAGES})
            install(FILES ${KELMORA_QT_TRANSLATIONS}/qtbase_${language}.qm
                    DESTINATION ${KELMORA_BINDIR}/translations OPTIONAL)
            # The programs and tests in the build folder find them where the portable copy has them.
            if(EXISTS ${KELMORA_QT_TRANSLATIONS}/qtbase_${language}.qm)
                file(COPY ${KELMORA_QT_TRANSLATIONS}/qtbase_${language}.qm
                     DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)
            endif()
        endforeach()
    endif()
endif()

set(CPACK_PACKAGE_NAME kelmora)
set(CPACK_PACKAGE_VENDOR Quorrick)
set(CPACK_PACKAGE_CONTACT "Quorrick <kelmora@quorrick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "start a racing game's factory driver mode at any mission")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kelmora)
set(CPACK_STRIP_FILES ON)
if(WIN32)
    # Unpacked anywhere the player may write, it is a portable copy: kelmora.dat stays beside it.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME kelmora-${PROJECT_VERSION}-windows)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # kelmora_<version>_<arch>.deb
    # Not "games": that section is for the games themselves, which live in /usr/games.
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorrick <kelmora@quorrick.example>")
    # CPack puts the summary above this as the first line.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "Kelmora lets a player start the factory driver mode of the racing game Vantor
at any of its 34 missions instead of only in order. It copies a driver
savegame, the template, to a factory driver savegame beside it and rewrites
that copy's mission progress for the chosen mission. The template itself is
never written to.
.
The package holds the window, kelmora, and its command-line twin,
kelmora-cli, for launchers and scripts.")
    # The libraries come from dpkg-shlibdeps. The readme is shown with xdg-open; Qt's own dialogs and
    # buttons speak the player's language with Qt's translations.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # libqt6svg6: the image plugin that draws the About window's picture sharp at any scale; without
    # it the picture comes from its PNG renderings.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n, libqt6svg6")
endif()
include(CPack)
