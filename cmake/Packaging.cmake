# Installation with desktop integration, and the Debian package built from it by CPack.
include(GNUInstallDirs)

set(TARVOLA_APP_ID org.example.ulvo.Tarvola)
set(_linux ${PROJECT_SOURCE_DIR}/packaging/linux)
# The metainfo and the manual page name the version: made from their templates in the build tree.
set(_generated ${CMAKE_BINARY_DIR}/packaging)
configure_file(${_linux}/${TARVOLA_APP_ID}.metainfo.xml.in ${_generated}/${TARVOLA_APP_ID}.metainfo.xml @ONLY)
configure_file(${_linux}/tarvola.1.in ${_generated}/tarvola.1 @ONLY)

# Installed next to the system's Qt: no search path of its own.
set_target_properties(tarvola PROPERTIES INSTALL_RPATH "")
install(TARGETS tarvola RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_linux}/${TARVOLA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_generated}/${TARVOLA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icon, drawn at each size a launcher or dock asks for, and scalable for any other.
set(_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(_size 16 22 24 32 48 64 128 256)
    set(_drawing ${PROJECT_SOURCE_DIR}/assets/tarvola_${_size}.png)
    if(_size EQUAL 48)
        set(_drawing ${PROJECT_SOURCE_DIR}/assets/tarvola.png)
    endif()
    install(FILES ${_drawing} DESTINATION ${_icons}/${_size}x${_size}/apps RENAME ${TARVOLA_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/tarvola.svg DESTINATION ${_icons}/scalable/apps
    RENAME ${TARVOLA_APP_ID}.svg)

# What every Debian package carries: copyright, changelog and manual page, the latter two
# compressed reproducibly (no name, no time stamp in the gzip header).
set(_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tarvola)
foreach(_page ${_linux}/changelog ${_generated}/tarvola.1)
    get_filename_component(_name ${_page} NAME)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${_name}.gz
        COMMAND gzip -9n -c ${_page} > ${CMAKE_BINARY_DIR}/${_name}.gz
        DEPENDS ${_page} VERBATIM)
endforeach()
add_custom_target(tarvola_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_BINARY_DIR}/tarvola.1.gz)
install(FILES ${_linux}/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${_doc_dir})
install(FILES ${CMAKE_BINARY_DIR}/tarvola.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME tarvola)
set(CPACK_PACKAGE_VENDOR "Ulvo")
set(CPACK_PACKAGE_CONTACT "Ulvo <contact@ulvo.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "angle converter between degrees-minutes-seconds and decimal degrees")
set(CPACK_PACKAGE_VERSION "${TARVOLA_VERSION_TEXT}")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.ulvo.example.org/")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for these fonts by name, and Qt loads its platform plugins (X11, and Wayland
# for a session that asks for it) at run time; shlibdeps cannot see either.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tarvola converts angles in both directions at once while you type: whole
degrees, minutes and seconds give decimal degrees, and decimal degrees give
the degrees-minutes-seconds text. Both results are recomputed ten times a
second, with the decimal separator of the user's locale.")
set(CPACK_STRIP_FILES ON)
include(CPack)
