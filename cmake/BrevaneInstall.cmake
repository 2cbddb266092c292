# Install rules besides the program itself (app/CMakeLists.txt installs bin/brevane): the
# help pages and the delivered images/ tree under share/brevane, where the program looks for
# them relative to its own bin/ folder, and the desktop integration (launcher, icons,
# AppStream metainfo) under the freedesktop.org folders of share/.

set(BREVANE_APP_ID org.brevane.Brevane)
set(BREVANE_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/brevane)

# Every help page, whatever pages are added to data/aide/ later.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/aide/ DESTINATION ${BREVANE_SHARE_DIR}/aide)

# The placeholders only keep the empty folders in the repository; the folders themselves are
# installed, since a new data folder is seeded with this tree as it is.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/images/ DESTINATION ${BREVANE_SHARE_DIR}/images
        PATTERN ".gitkeep" EXCLUDE)

install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${BREVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${BREVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon under the launcher's Icon= name: the SVG itself, and the bitmaps that
# tools/iconrender renders from it during the build.
set(BREVANE_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/resources/brevane.svg
        DESTINATION ${BREVANE_ICON_DIR}/scalable/apps RENAME ${BREVANE_APP_ID}.svg)
foreach(size 48 128)
  install(FILES ${CMAKE_BINARY_DIR}/icons/brevane-${size}.png
          DESTINATION ${BREVANE_ICON_DIR}/${size}x${size}/apps RENAME ${BREVANE_APP_ID}.png)
endforeach()
