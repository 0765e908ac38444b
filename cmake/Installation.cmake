# Installation: the program, its desktop entry, AppStream metadata and icons; and the Debian
# package built from them, with a stripped program.
include(GNUInstallDirs)
set(FINGALO_ID org.example.fingalo.Fingalo)
add_executable(svg2png resources/svg2png.cpp)
target_link_libraries(svg2png PRIVATE Qt6::Gui Qt6::Svg)
set(FINGALO_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/symbol_haupt.svg)
set(FINGALO_ICON_PNGS)
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${PROJECT_BINARY_DIR}/icons/${size}/${FINGALO_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}
    COMMAND svg2png ${FINGALO_ICON_SVG} ${png} ${size}
    DEPENDS svg2png ${FINGALO_ICON_SVG} VERBATIM)
  list(APPEND FINGALO_ICON_PNGS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(icons ALL DEPENDS ${FINGALO_ICON_PNGS})

install(TARGETS fingalo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/desktop/${FINGALO_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/${FINGALO_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${FINGALO_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${FINGALO_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fingalo)
set(CPACK_PACKAGE_CONTACT "Das Fingalo-Team <team@fingalo.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Typing tutor for touch typing on a German keyboard")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The input box hands committed text back to Qt's window system queue, an interface that is
# only stable within one Qt release: hence the exact ABI.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6core6 (>= 6.4), qt6-base-abi (= ${Qt6_VERSION}), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), qt6-qpa-plugins, fonts-liberation, libc6, libstdc++6")
if(XCB_BIBLIOTHEK AND XCB_KOPF)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libxcb1")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
