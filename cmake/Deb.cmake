# Deb: the same build as a Debian package, build/corvela_<version>_<arch>.deb by `cpack -G DEB`
# (make deb), laid out as Debian lays out games: the start script in /usr/games, the binary in
# /usr/lib/games/corvela, data/ and arialbd.ttf in /usr/share/games/corvela (the start script's
# working directory), with a desktop entry, icons, AppStream metadata, a manual page, the
# settings files as examples, the copyright file and the changelog.
# Its install rules form the component "deb", left out of a plain install: `cmake --install`
# and `cpack` (the tarball) keep the folder of Pacote.cmake, and DebCPack.cmake makes the DEB
# generator install that component alone, under /usr.
set(DEB_FONTES ${CMAKE_SOURCE_DIR}/tools/pacote/deb)
set(DEB_GERADOS ${CMAKE_BINARY_DIR}/deb)
set(DEB_DADOS share/games/corvela)
set(DEB_DOC share/doc/corvela)
set(CORVELA_MANTENEDOR "Corvela developers <corvela@example.org>" CACHE STRING
  "The Debian package's Maintainer field")

install(PROGRAMS ${DEB_FONTES}/corvela DESTINATION games COMPONENT deb EXCLUDE_FROM_ALL)
install(TARGETS corvela RUNTIME DESTINATION lib/games/corvela COMPONENT deb EXCLUDE_FROM_ALL)
# The compilers' notes are of no use in the package (cpack's own strip keeps them).
install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
  --remove-section=.note \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/games/corvela/corvela\")"
  COMPONENT deb EXCLUDE_FROM_ALL)
install(DIRECTORY data/ DESTINATION ${DEB_DADOS}/data COMPONENT deb EXCLUDE_FROM_ALL
  PATTERN "Sans Bold.ttf" EXCLUDE PATTERN LICENSE-DejaVu.txt EXCLUDE PATTERN README.txt EXCLUDE)

# The TrueType face is DejaVu Sans Bold, which fonts-dejavu-core installs: links to it, not
# copies (relative, as links inside /usr must be).
file(MAKE_DIRECTORY ${DEB_GERADOS})
file(CREATE_LINK ../../fonts/truetype/dejavu/DejaVuSans-Bold.ttf ${DEB_GERADOS}/arialbd.ttf
  SYMBOLIC)
file(CREATE_LINK ../../../../fonts/truetype/dejavu/DejaVuSans-Bold.ttf
  "${DEB_GERADOS}/Sans Bold.ttf" SYMBOLIC)
install(FILES ${DEB_GERADOS}/arialbd.ttf DESTINATION ${DEB_DADOS}
  COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES "${DEB_GERADOS}/Sans Bold.ttf" DESTINATION ${DEB_DADOS}/data/fonts
  COMPONENT deb EXCLUDE_FROM_ALL)

install(FILES ${DEB_FONTES}/corvela.desktop DESTINATION share/applications
  COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${DEB_FONTES}/org.corvela.corvela.metainfo.xml DESTINATION share/metainfo
  COMPONENT deb EXCLUDE_FROM_ALL)
if(CORVELA_FERRAMENTAS)
  # Drawn by corvela-dados at build time (tools/CMakeLists.txt).
  install(DIRECTORY ${CMAKE_BINARY_DIR}/icones/ DESTINATION share/icons/hicolor
    COMPONENT deb EXCLUDE_FROM_ALL)
endif()

# The manual page and the changelog compressed without name or time stamp, so the same
# sources give the same package.
configure_file(${DEB_FONTES}/changelog.in ${DEB_GERADOS}/changelog @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${DEB_FONTES}/corvela.6)
foreach(par "${DEB_FONTES}/corvela.6;corvela.6.gz" "${DEB_GERADOS}/changelog;changelog.gz")
  list(GET par 0 origem)
  list(GET par 1 destino)
  execute_process(COMMAND gzip -9nc INPUT_FILE ${origem} OUTPUT_FILE ${DEB_GERADOS}/${destino})
endforeach()
install(FILES ${DEB_GERADOS}/corvela.6.gz DESTINATION share/man/man6 COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES ${DEB_FONTES}/copyright ${DEB_GERADOS}/changelog.gz README.md DESTINATION ${DEB_DOC}
  COMPONENT deb EXCLUDE_FROM_ALL)
install(FILES tools/pacote/teclas.cfg tools/pacote/video.cfg DESTINATION ${DEB_DOC}/examples
  COMPONENT deb EXCLUDE_FROM_ALL)

set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/DebCPack.cmake)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CORVELA_MANTENEDOR})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "picture sliding puzzle
A picture is cut into a four by four grid, one tile is taken out and the
board is shuffled; slide the tiles into the hole until the picture is whole
again. Three difficulties, a count of moves, wins and time, music and sound
effects; it plays with the keyboard, the mouse or a game controller.")
