# The archive holds the program folder alone; the .deb adds the menu entry
# and icons.
if(CPACK_GENERATOR STREQUAL "TGZ")
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_KX_BUILD_DIR};kx_konfigurator;program;/")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
