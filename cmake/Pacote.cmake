# Pacote: the installed folder and its .tar.gz. The corvela binary, data/ (with the fonts'
# licences), the start script and the example settings files side by side, so the folder runs
# from wherever it is copied, with only SDL's runtime packages installed.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /opt/corvela CACHE PATH "The game's folder" FORCE)
endif()

# Installing and packing never build: make pacote and make deb build first, and cpack run by a
# test cannot relink the test binaries under the tests still running.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS corvela RUNTIME DESTINATION .)
install(PROGRAMS tools/pacote/corvela.sh DESTINATION .)
install(FILES tools/pacote/teclas.cfg tools/pacote/video.cfg DESTINATION .)
# DisplayText opens arialbd.ttf in the working directory.
install(FILES arialbd.ttf LICENSE-DejaVu.txt DESTINATION .)
install(DIRECTORY data/ DESTINATION data)

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME corvela)
set(CPACK_PACKAGE_VERSION 1.0)
set(CPACK_PACKAGE_FILE_NAME corvela-${CPACK_PACKAGE_VERSION}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(${CMAKE_CURRENT_LIST_DIR}/Deb.cmake)
include(CPack)
