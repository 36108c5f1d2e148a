# The installed product: the program, its desktop entry, icons, AppStream metadata, manual page
# and Debian documents, and a Debian package of them (`cpack -G DEB` in the build directory).
include(GNUInstallDirs)

# Installing and packaging take what the last build made and never start a build of their own,
# so that the package test can run beside the other tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(QELT_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(QELT_GENERATED ${CMAKE_BINARY_DIR}/packaging)
set(QELT_ICON_SIZES 64 128)
find_program(QELT_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(QELT_GZIP gzip REQUIRED)
foreach(size ${QELT_ICON_SIZES})
    file(MAKE_DIRECTORY ${QELT_GENERATED}/${size})
endforeach()

# Debian wants documents compressed at the highest level and without a time stamp, so that the
# same sources give the same bytes.
set(QELT_COMPRESSED)
foreach(document qelt-cad.1 changelog)
    set(compressed ${QELT_GENERATED}/${document}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${QELT_GZIP} -9 -n -c ${QELT_PACKAGING}/${document} > ${compressed}
        DEPENDS ${QELT_PACKAGING}/${document} VERBATIM)
    list(APPEND QELT_COMPRESSED ${compressed})
endforeach()

set(QELT_PNG_ICONS)
foreach(size ${QELT_ICON_SIZES})
    set(icon ${QELT_GENERATED}/${size}/qelt-cad.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${QELT_RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${QELT_PACKAGING}/qelt-cad.svg
        DEPENDS ${QELT_PACKAGING}/qelt-cad.svg VERBATIM)
    list(APPEND QELT_PNG_ICONS ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Part of the program's build, as installing builds nothing.
add_custom_target(qelt_desktop_files DEPENDS ${QELT_COMPRESSED} ${QELT_PNG_ICONS})
add_dependencies(qelt-cad qelt_desktop_files)

install(TARGETS qelt-cad RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QELT_PACKAGING}/qelt-cad.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QELT_PACKAGING}/qelt-cad.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# AppStream finds the metadata under the component's id.
install(FILES ${QELT_PACKAGING}/qelt-cad.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME io.github.qelt_cad.qelt_cad.metainfo.xml)
install(FILES ${QELT_GENERATED}/qelt-cad.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QELT_PACKAGING}/copyright ${QELT_GENERATED}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qelt-cad)
set(CPACK_PACKAGE_CONTACT "qelt-cad maintainers <maintainers@qelt-cad.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "drafting tool for the polylines of a geotechnical cross-section")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Click the points of polylines on a canvas, pick a line inside its extent,\n\
move, insert and delete its points, and write the drawing to\n\
Qelt-CAD-float.csv as input to cross-section generation from cone\n\
penetration test (CPT) soundings.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries come from the binary itself; the window-system plugins are loaded at run time,
# so no library dependency names them. The readers of PNG, BMP, JPEG and GIF pictures come with
# the Qt GUI library's package; the SVG one, also loaded at run time, with that of the Qt SVG
# library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
set(CPACK_STRIP_FILES ON)
include(CPack)
