# The Debian package: what `cpack -G DEB` puts in it beyond the programs and the desktop files
# the main install rules place, and the package's own metadata.

set(corvinel_docdir ${CMAKE_INSTALL_DATADIR}/doc/corvinel)
set(packaged ${PROJECT_BINARY_DIR}/packaged)

# Debian wants manual pages and the changelog compressed, reproducibly (no name or time inside).
set(compressed)
foreach(source res/man/corvinel.1 res/man/corvinel-cli.1 res/man/corvinel-sim.1
        res/debian/changelog)
    get_filename_component(name ${source} NAME)
    set(out ${packaged}/${name}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${packaged}
        COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${out}
        DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
    list(APPEND compressed ${out})
endforeach()
add_custom_target(corvinel_packaged ALL DEPENDS ${compressed})

install(FILES ${packaged}/corvinel.1.gz ${packaged}/corvinel-cli.1.gz ${packaged}/corvinel-sim.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaged}/changelog.gz res/debian/copyright DESTINATION ${corvinel_docdir})
install(FILES res/corvinel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME invalid.corvinel.Corvinel.metainfo.xml)
# The window carries its help inside; the same pages stay readable without it.
file(GLOB help_files CONFIGURE_DEPENDS res/help/*.html res/help/*.css)
install(FILES ${help_files} DESTINATION ${corvinel_docdir}/help)

set(CPACK_PACKAGE_NAME corvinel)
set(CPACK_PACKAGE_VENDOR "Tarnwick")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "program the Yaesu VR-500 receiver's memory")
# CPack puts the summary first and turns the empty line into a paragraph break.
set(CPACK_PACKAGE_DESCRIPTION
    "Corvinel reads the whole configuration of the VR-500 communications
receiver over its clone cable (1000 memory channels with names and banks,
band plan, scan lists, dual watch pairs, presets and set-mode settings),
keeps it in radio data files, exchanges the channels as CSV and writes it
all back.

The package holds the desktop program, the command-line tool corvinel-cli
and the simulated receiver corvinel-sim.")
set(CPACK_PACKAGE_CONTACT "Corvinel developers <dev@corvinel.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Libraries come from dpkg-shlibdeps; Qt's platform and SVG plugins are loaded at run time,
# which it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
