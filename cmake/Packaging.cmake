# Installation layout and the Debian package.
include(GNUInstallDirs)

if(QV_BUILD_UI)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/quorvexer.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/quorvexer.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # Fixed sizes rendered from the SVG by scripts/render-icons.sh: menus and
  # task bars that do not draw SVG pick these. On a desktop scaled by two, an
  # icon of half a picture's size is that picture, in the "@2" folder.
  set(icon_sizes 16 24 32 48 64 96 128 256 512)
  foreach(size IN LISTS icon_sizes)
    set(icon ${PROJECT_SOURCE_DIR}/packaging/icons/quorvexer-${size}.png)
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME quorvexer.png)
    math(EXPR half "${size} / 2")
    if(half IN_LIST icon_sizes)
      install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${half}x${half}@2/apps
              RENAME quorvexer.png)
    endif()
  endforeach()
  include(${PROJECT_SOURCE_DIR}/cmake/DebianFiles.cmake)
endif()

set(CPACK_PACKAGE_NAME quorvexer)
set(CPACK_PACKAGE_VENDOR "Quorvexer developers")
set(CPACK_PACKAGE_CONTACT "Quorvexer developers <maintainers@quorvexer.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hacking simulation game")
# The long description under the summary line; cpack indents it and turns the
# empty line into Debian's paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A single-player desktop game that simulates computer hacking. Dial
servers from a text console, eavesdrop on a hacker chat room, build
deleter and thief programs in the compiler and plant them, while a
population of users moves between servers and their suspicion rises
and cools.

Three sample missions are included, and a mission editor makes more.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps reads the binary's libraries (Qt, libjpeg, the C++ runtime)
# and writes the Depends line with the versions this build needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The font faces the windows are drawn in: no library links them, so they are
# named here; cpack adds the shared-library dependencies after them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-croscore, fonts-3270")
# Lets a player who chooses QT_QPA_PLATFORM=wayland run natively; without it
# the game runs through XWayland on Wayland sessions.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debug symbols would triple the download for nothing a player uses.
set(CPACK_STRIP_FILES ON)
# Directories the package creates are 0755 whatever the build user's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
