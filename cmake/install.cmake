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

if(NOT PERNOKA_LAYOUT MATCHES "^(games|plain)$")
  message(FATAL_ERROR "PERNOKA_LAYOUT is \"${PERNOKA_LAYOUT}\"; it must be games or plain")
endif()
set(pernoka_staging ${PROJECT_BINARY_DIR}/packaging)

# The metainfo names the application ID and the addresses of
# packaging/address.conf; the desktop entry is named by the ID.
configure_file(${PROJECT_SOURCE_DIR}/packaging/pernoka.metainfo.xml.in
  ${pernoka_staging}/${PERNOKA_APP_ID}.metainfo.xml @ONLY)

# A relative symbolic link from folder `from` (relative to the prefix) to
# `target` (relative to the prefix), written into the build tree as `link`.
function(pernoka_relative_link link from target)
  file(RELATIVE_PATH relative /prefix/${from} /prefix/${target})
  get_filename_component(link_dir ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${link_dir})
  file(CREATE_LINK ${relative} ${link} SYMBOLIC)
endfunction()

# The rules of one layout. The one PERNOKA_LAYOUT names is what a plain
# `cmake --install` installs; the other is the component <layout>-layout,
# which `cmake --install <build> --component <layout>-layout` installs from
# the same build, as the program is the same in both.
function(pernoka_install_layout layout)
  if(layout STREQUAL PERNOKA_LAYOUT)
    set(only)
  else()
    set(only COMPONENT ${layout}-layout EXCLUDE_FROM_ALL)
  endif()
  if(layout STREQUAL "games")
    set(bindir games)
    set(appdir lib/games/pernoka)
    set(datadir share/games/pernoka)
  else()
    set(bindir bin)
    set(appdir lib/pernoka)
    set(datadir share/pernoka)
  endif()
  set(staging ${pernoka_staging}/${layout})

  install(TARGETS pernoka RUNTIME DESTINATION ${appdir} ${only})
  # The audio engine, a plug-in the program opens from its own folder; no
  # other program links it, so it needs no soname, no shlibs entry and no
  # ldconfig.
  if(TARGET pernoka_audio)
    install(TARGETS pernoka_audio LIBRARY DESTINATION ${appdir} ${only})
  endif()

  # Only the top-level files are read at run time; the subfolders hold
  # sources of the icons and the logo, which are installed or built in
  # elsewhere.
  file(GLOB runtime_files LIST_DIRECTORIES false CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)
  install(FILES ${runtime_files} DESTINATION ${datadir} ${only})
  set(data_links)
  foreach(file ${runtime_files})
    get_filename_component(name ${file} NAME)
    pernoka_relative_link(${staging}/data_links/${name} ${appdir} ${datadir}/${name})
    list(APPEND data_links ${staging}/data_links/${name})
  endforeach()
  install(FILES ${data_links} DESTINATION ${appdir} ${only})

  # The program resolves /proc/self/exe, so started through this link it
  # still finds its files beside its real executable.
  pernoka_relative_link(${staging}/bin/pernoka ${bindir} ${appdir}/pernoka)
  install(FILES ${staging}/bin/pernoka DESTINATION ${bindir} ${only})

  # Uncompressed: every packaging tool compresses manual pages its own way.
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/pernoka.6 DESTINATION share/man/man6 ${only})
  if(PERNOKA_INSTALL_DOCS)
    install(FILES ${PROJECT_SOURCE_DIR}/NEWS ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION share/doc/pernoka ${only})
  endif()

  install(FILES ${PROJECT_SOURCE_DIR}/packaging/pernoka.desktop DESTINATION share/applications
    RENAME ${PERNOKA_APP_ID}.desktop ${only})
  install(FILES ${pernoka_staging}/${PERNOKA_APP_ID}.metainfo.xml DESTINATION share/metainfo ${only})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION share/icons ${only}
    FILES_MATCHING PATTERN "pernoka.png")
endfunction()

pernoka_install_layout(games)
pernoka_install_layout(plain)
