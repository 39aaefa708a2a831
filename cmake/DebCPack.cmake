# Read by cpack once per generator: the DEB generator installs the component "deb" alone
# (Deb.cmake), under /usr; every other generator keeps the game's folder.
if(CPACK_GENERATOR STREQUAL "DEB")
  string(REPLACE ";ALL;" ";deb;" CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_INSTALL_CMAKE_PROJECTS}")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
