# Installation layout and the Debian package.
include(GNUInstallDirs)

if(QV_BUILD_UI)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/quorvexer.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/quorvexer.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME quorvexer)
set(CPACK_PACKAGE_VENDOR "Quorvexer developers")
set(CPACK_PACKAGE_CONTACT "Quorvexer developers <quorvexer@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hacking simulation game: dial servers, plant programs, stay unseen")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
