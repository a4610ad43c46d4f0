# The installed tree, the same under any prefix and staged through DESTDIR.
# Two layouts, chosen with PERNOKA_LAYOUT:
#
#   games (the default, as Debian lays out games)   plain (other systems, /app)
#   games/pernoka           link to the program     bin/pernoka
#   lib/games/pernoka/      the program, its        lib/pernoka/
#                           module, links to data
#   share/games/pernoka/    pictures, sounds,       share/pernoka/
#                           tune and help
#
# and in both: share/man/man6/pernoka.6, share/applications,
# share/metainfo, share/icons/hicolor, and share/doc/pernoka/ (NEWS and the
# licence) unless PERNOKA_INSTALL_DOCS is off, for a packaging tool that
# writes its own copyright file and changelog there.
#
# The program reads its files as <folder of its real executable>/<name>, so
# the program folder holds a link to each of them; the files themselves are
# architecture-independent and belong under share. All links are relative,
# which keeps the tree relocatable.
set(PERNOKA_LAYOUT games CACHE STRING "Installed layout: games (games/, lib/games/pernoka, share/games/pernoka) or plain (bin/, lib/pernoka, share/pernoka)")
set_property(CACHE PERNOKA_LAYOUT PROPERTY STRINGS games plain)
option(PERNOKA_INSTALL_DOCS "Install NEWS and the licence in share/doc/pernoka" ON)

if(PERNOKA_LAYOUT STREQUAL "games")
  set(PERNOKA_INSTALL_BINDIR games)
  set(PERNOKA_INSTALL_APPDIR lib/games/pernoka)
  set(PERNOKA_INSTALL_DATADIR share/games/pernoka)
elseif(PERNOKA_LAYOUT STREQUAL "plain")
  set(PERNOKA_INSTALL_BINDIR bin)
  set(PERNOKA_INSTALL_APPDIR lib/pernoka)
  set(PERNOKA_INSTALL_DATADIR share/pernoka)
else()
  message(FATAL_ERROR "PERNOKA_LAYOUT is \"${PERNOKA_LAYOUT}\"; it must be games or plain")
endif()
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

install(TARGETS pernoka RUNTIME DESTINATION ${PERNOKA_INSTALL_APPDIR})
# The audio engine, a plug-in the program opens from its own folder; no other
# program links it, so it needs no soname, no shlibs entry and no ldconfig.
if(TARGET pernoka_audio)
  install(TARGETS pernoka_audio LIBRARY DESTINATION ${PERNOKA_INSTALL_APPDIR})
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
pernoka_relative_link(${pernoka_staging}/bin/pernoka ${PERNOKA_INSTALL_BINDIR} ${PERNOKA_INSTALL_APPDIR}/pernoka)
install(FILES ${pernoka_staging}/bin/pernoka DESTINATION ${PERNOKA_INSTALL_BINDIR})

# Uncompressed: every packaging tool compresses manual pages its own way.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/pernoka.6 DESTINATION share/man/man6)
if(PERNOKA_INSTALL_DOCS)
  install(FILES ${PROJECT_SOURCE_DIR}/NEWS ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION share/doc/pernoka)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${PERNOKA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${PERNOKA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION share/icons
  FILES_MATCHING PATTERN "pernoka.png")
