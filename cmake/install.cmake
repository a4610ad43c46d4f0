# Installed layout, the same under any prefix, staged through DESTDIR, and in
# the Debian package, laid out the way Debian lays out games:
#
#   games/pernoka                  relative link to the program
#   lib/games/pernoka/             the program (and its audio module), with
#                                  relative links to the files below
#   share/games/pernoka/           the pictures, sounds, tune and help
#   share/man/man6/pernoka.6.gz    the manual page
#   share/doc/pernoka/             copyright (with the licence) and changelog
#   share/applications, share/metainfo, share/icons/hicolor
#
# The program reads its files as <folder of its real executable>/<name>, so
# the program folder holds a link to each of them; the files themselves are
# architecture-independent and belong under share. All links are relative,
# which keeps the tree relocatable.
set(PERNOKA_INSTALL_GAMESDIR games)
set(PERNOKA_INSTALL_APPDIR lib/games/pernoka)
set(PERNOKA_INSTALL_DATADIR share/games/pernoka)
set(PERNOKA_INSTALL_DOCDIR share/doc/pernoka)
set(PERNOKA_APP_ID jp.example.pernoka)
set(pernoka_staging ${PROJECT_BINARY_DIR}/packaging)

# A relative symbolic link from folder `from` (relative to the prefix) to
# `target` (relative to the prefix), written into the build tree as `link`.
function(pernoka_relative_link link from target)
  file(RELATIVE_PATH relative /prefix/${from} /prefix/${target})
  get_filename_component(link_dir ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${link_dir})
  file(CREATE_LINK ${relative} ${link} SYMBOLIC)
endfunction()

# CMake's strip, which CPack and `cmake --install --strip` run, leaves the
# compiler's .comment and the .note section in; remove them as dh_strip does.
function(pernoka_install_binary target kind)
  install(TARGETS ${target} ${kind} DESTINATION ${PERNOKA_INSTALL_APPDIR})
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PERNOKA_INSTALL_APPDIR}/$<TARGET_FILE_NAME:${target}>\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endfunction()

pernoka_install_binary(pernoka RUNTIME)
# The audio engine, a plug-in the program opens from its own folder; no other
# program links it, so it needs no soname, no shlibs entry and no ldconfig.
if(TARGET pernoka_audio)
  pernoka_install_binary(pernoka_audio LIBRARY)
endif()

# Only the top-level files are read at run time; the subfolders hold sources
# of the icons and the logo, which are installed or built in elsewhere.
file(GLOB pernoka_runtime_files LIST_DIRECTORIES false CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)
install(FILES ${pernoka_runtime_files} DESTINATION ${PERNOKA_INSTALL_DATADIR})
set(pernoka_data_links)
foreach(file ${pernoka_runtime_files})
  get_filename_component(name ${file} NAME)
  pernoka_relative_link(${pernoka_staging}/data_links/${name} ${PERNOKA_INSTALL_APPDIR}
    ${PERNOKA_INSTALL_DATADIR}/${name})
  list(APPEND pernoka_data_links ${pernoka_staging}/data_links/${name})
endforeach()
install(FILES ${pernoka_data_links} DESTINATION ${PERNOKA_INSTALL_APPDIR})

# The program resolves /proc/self/exe, so started through this link it still
# finds its files beside its real executable.
pernoka_relative_link(${pernoka_staging}/games/pernoka ${PERNOKA_INSTALL_GAMESDIR}
  ${PERNOKA_INSTALL_APPDIR}/pernoka)
install(FILES ${pernoka_staging}/games/pernoka DESTINATION ${PERNOKA_INSTALL_GAMESDIR})

# The manual page and the changelog are installed compressed, as Debian
# wants them; -n keeps the name and time out of the gzip header, so the same
# source gives the same bytes.
find_program(PERNOKA_GZIP gzip REQUIRED)
function(pernoka_gzip source output)
  get_filename_component(name ${output} NAME_WLE)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${pernoka_staging}/gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${pernoka_staging}/gz/${name}
    COMMAND ${PERNOKA_GZIP} -9nf ${pernoka_staging}/gz/${name}
    COMMAND ${CMAKE_COMMAND} -E rename ${pernoka_staging}/gz/${name}.gz ${output}
    DEPENDS ${source}
    VERBATIM)
endfunction()
pernoka_gzip(${PROJECT_SOURCE_DIR}/packaging/pernoka.6 ${pernoka_staging}/pernoka.6.gz)
pernoka_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${pernoka_staging}/changelog.gz)
add_custom_target(pernoka_docs ALL DEPENDS ${pernoka_staging}/pernoka.6.gz ${pernoka_staging}/changelog.gz)
install(FILES ${pernoka_staging}/pernoka.6.gz DESTINATION share/man/man6)
# A Debian-format changelog under the name Debian gives a native package's.
# The copyright file carries the licence text, so LICENSE is not installed
# as well.
install(FILES ${pernoka_staging}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
  DESTINATION ${PERNOKA_INSTALL_DOCDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${PERNOKA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${PERNOKA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION share/icons
  FILES_MATCHING PATTERN "pernoka.png")

# The Debian package. packaging/build-deb.sh builds it with Debian's build
# flags (hardening, bindnow). Library dependencies come from dpkg-shlibdeps;
# the files the program opens by path, and the Qt plug-ins it loads, are
# named here because no linker sees them.
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
# Qt's Wayland platform plug-in, for a native Wayland session.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# CPack writes ldconfig maintainer scripts only for a shared object in a
# folder right under /lib or /usr/lib; the audio module sits deeper, in the
# games folder, so the package has no maintainer scripts at all.
set(CPACK_STRIP_FILES ON)
include(CPack)
