# Installed layout: the program keeps its pictures, sounds, tune and help
# beside itself in lib/pernoka, because it reads them from its own folder;
# bin/pernoka is only a link to it, and the desktop files go where desktops
# look for them.
set(PERNOKA_INSTALL_APPDIR lib/pernoka)
set(PERNOKA_APP_ID jp.example.pernoka)

install(TARGETS pernoka RUNTIME DESTINATION ${PERNOKA_INSTALL_APPDIR})
# The audio engine, loaded from the program's own folder when sound is near.
install(TARGETS pernoka_audio LIBRARY DESTINATION ${PERNOKA_INSTALL_APPDIR})

# Only the top-level files are read at run time; the subfolders hold sources
# of the icons and the logo, which are installed or built in elsewhere.
file(GLOB pernoka_runtime_files LIST_DIRECTORIES false CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)
install(FILES ${pernoka_runtime_files} DESTINATION ${PERNOKA_INSTALL_APPDIR})

# A relative link keeps the tree relocatable (DESTDIR, any prefix). The
# program resolves /proc/self/exe, so through the link it still finds its
# files in lib/pernoka.
set(pernoka_bin_link ${PROJECT_BINARY_DIR}/packaging/bin/pernoka)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging/bin)
file(CREATE_LINK ../${PERNOKA_INSTALL_APPDIR}/pernoka ${pernoka_bin_link} SYMBOLIC)
install(FILES ${pernoka_bin_link} DESTINATION bin)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${PERNOKA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${PERNOKA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION share/icons
  FILES_MATCHING PATTERN "pernoka.png")
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION share/doc/pernoka)

# The Debian package. Library dependencies come from dpkg-shlibdeps; the
# files the program opens by path, and the Qt plug-ins it loads, are named
# here because no linker sees them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pernoka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pernoka Developers")
set(CPACK_PACKAGE_CONTACT "Pernoka Developers <pernoka@example.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding-tile picture puzzle with a Japanese interface")
# One string: a semicolon here would split it into a CMake list.
set(CPACK_PACKAGE_DESCRIPTION "\
Pick a picture, one of the two that come with the game or any BMP, JPEG or
GIF file, and a grid of 3 x 3 to 6 x 6. The picture is cut into tiles and
mixed, and every tile slid into the gap is counted. Past the move limit the
board mixes itself again, and the third reshuffle ends the game.
絵を選んで、タイルを動かすパズルゲームです。")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The JPEG and GIF readers and the X11 platform plug-in come in libqt6gui6,
# which the library dependencies already name. Beyond them: the translations
# give the message boxes Japanese buttons, the font draws the Japanese text,
# and the soundfont plays the tune.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-ipafont-gothic, timgm6mb-soundfont")
set(CPACK_STRIP_FILES ON)
include(CPack)
