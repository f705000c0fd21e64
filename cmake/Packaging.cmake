# Installation with desktop integration, and the Debian package built from it by CPack.
include(GNUInstallDirs)

set(TARVOLA_APP_ID org.example.ulvo.Tarvola)
set(_linux ${PROJECT_SOURCE_DIR}/packaging/linux)

install(TARGETS tarvola RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_linux}/${TARVOLA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_linux}/${TARVOLA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icon exists at one real size only.
install(FILES ${PROJECT_SOURCE_DIR}/assets/tarvola.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
    RENAME ${TARVOLA_APP_ID}.png)

set(CPACK_PACKAGE_NAME tarvola)
set(CPACK_PACKAGE_VENDOR "Ulvo")
set(CPACK_PACKAGE_CONTACT "Ulvo <contact@ulvo.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION "${TARVOLA_VERSION_TEXT}")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.ulvo.example.org/")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for these fonts by name; shlibdeps cannot see that.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Converts angles between degrees-minutes-seconds and decimal degrees while you type.\n Both directions are shown at once and recomputed ten times a second.")
set(CPACK_STRIP_FILES ON)
include(CPack)
