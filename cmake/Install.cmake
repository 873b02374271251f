# Installing Tessaron2 as a desktop program (GNUInstallDirs layout, any prefix):
#   bin/tessaron2, bin/tessaron2-cli
#   share/tessaron2/               Data/ and the demo Verzameling/, copied into
#                                  ~/Tessaron2 on first start (never written to)
#   share/applications/, share/metainfo/, share/icons/hicolor/
#   share/man/man1/                tessaron2(1), tessaron2-cli(1), compressed
#   share/doc/tessaron2/           copyright and changelog
# The web addresses point at example.org pages until a distributor sets them,
# like those of the Help menu.

set(T2_APP_ID org.example.Tessaron2 CACHE STRING "Reverse-DNS id of the desktop entry, metainfo and icon")
set(T2_WEB_ADDRESS https://example.org/tessaron2 CACHE STRING "Home page named in the metainfo and the package")
set(T2_PACKAGE_MAINTAINER "Tessaron2 developers <tessaron2@example.org>" CACHE STRING "Maintainer of the package")
set(T2_RELEASE_DATE 2026-12-07)

set(T2_DESKTOP_SOURCE ${PROJECT_SOURCE_DIR}/data/desktop)
set(T2_DESKTOP_BUILD ${CMAKE_BINARY_DIR}/desktop)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Texts that carry the version, the id or the addresses.
configure_file(${T2_DESKTOP_SOURCE}/tessaron2.desktop.in ${T2_DESKTOP_BUILD}/${T2_APP_ID}.desktop @ONLY)
configure_file(${T2_DESKTOP_SOURCE}/tessaron2.metainfo.xml.in ${T2_DESKTOP_BUILD}/${T2_APP_ID}.metainfo.xml @ONLY)
configure_file(${T2_DESKTOP_SOURCE}/tessaron2.1.in ${T2_DESKTOP_BUILD}/tessaron2.1 @ONLY)
configure_file(${T2_DESKTOP_SOURCE}/tessaron2-cli.1.in ${T2_DESKTOP_BUILD}/tessaron2-cli.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in ${T2_DESKTOP_BUILD}/changelog @ONLY)

# Manual pages and the changelog are installed compressed, as Debian wants them;
# -n keeps the archive free of names and times, so builds are reproducible.
set(compressed_outputs)
foreach(file tessaron2.1 tessaron2-cli.1 changelog)
    add_custom_command(
        OUTPUT ${T2_DESKTOP_BUILD}/${file}.gz
        COMMAND gzip -9n -c ${T2_DESKTOP_BUILD}/${file} > ${T2_DESKTOP_BUILD}/${file}.gz
        DEPENDS ${T2_DESKTOP_BUILD}/${file}
        COMMENT "Compressing ${file}")
    list(APPEND compressed_outputs ${T2_DESKTOP_BUILD}/${file}.gz)
endforeach()

# The theme's icons, drawn from the program's own icon.
set(T2_ICONS_BUILD ${T2_DESKTOP_BUILD}/hicolor)
set(icons_done ${T2_DESKTOP_BUILD}/icons.done)
add_custom_command(
    OUTPUT ${icons_done}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${T2_ICONS_BUILD}
    COMMAND $<TARGET_FILE:t2-make-icons> ${T2_ICONS_BUILD} ${T2_APP_ID}
    COMMAND ${CMAKE_COMMAND} -E touch ${icons_done}
    DEPENDS t2-make-icons
    COMMENT "Drawing the desktop icons"
    VERBATIM)

add_custom_target(desktop-files ALL DEPENDS ${compressed_outputs} ${icons_done})

install(TARGETS tessaron2 tessaron2-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The shipped data by name: a program or benchmark started on the build's data
# folder would leave its settings file there, and that must never ship.
foreach(file ${T2_SHIPPED_FILES})
    get_filename_component(folder ${file} DIRECTORY)
    install(FILES ${T2_SHIPPED_DIR}/${file} DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaron2/${folder})
endforeach()
get_filename_component(folder ${T2_SHIPPED_PICTURES} DIRECTORY)
install(DIRECTORY ${T2_SHIPPED_DIR}/${T2_SHIPPED_PICTURES}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaron2/${folder} FILES_MATCHING PATTERN "*.jpg")
install(FILES ${T2_DESKTOP_BUILD}/${T2_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${T2_DESKTOP_BUILD}/${T2_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${T2_ICONS_BUILD} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${T2_DESKTOP_BUILD}/tessaron2.1.gz ${T2_DESKTOP_BUILD}/tessaron2-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${T2_DESKTOP_BUILD}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessaron2)
