# The installed product: the program, its desktop entry and icon, and a Debian package of them
# (`cpack -G DEB` in the build directory).
include(GNUInstallDirs)

# Installing and packaging take what the last build made and never start a build of their own,
# so that the package test can run beside the other tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS qelt-cad RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/qelt-cad.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/qelt-cad.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qelt-cad)
set(CPACK_PACKAGE_CONTACT "qelt-cad maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "drafting tool for the polylines of a geotechnical cross-section")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Click the points of polylines on a canvas, pick a line inside its extent, move, insert and\n\
delete its points, and write the drawing to Qelt-CAD-float.csv as input to cross-section\n\
generation from cone penetration test (CPT) soundings.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries come from the binary itself; the window-system plugins are loaded at run time,
# so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
set(CPACK_STRIP_FILES ON)
include(CPack)
