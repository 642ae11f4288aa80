# Runs at install time, after the belt files' MIME type: the menu entry's
# Exec names the installed program by its absolute path, which is known only
# now (--prefix, CPack's staging). Expects KX_TEMPLATE, KX_WORK_DIR, KX_PROGRAM_DIR and KX_SHARE_DIR.

set(program "${CMAKE_INSTALL_PREFIX}/${KX_PROGRAM_DIR}/kx-konfigurator")
cmake_path(NORMAL_PATH program)
# Quoted as a desktop entry's argument: \ " ` $ escaped, then the string
# level doubles every backslash; a literal % is written %%.
string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" quoted "${program}")
string(REPLACE "\\" "\\\\" quoted "${quoted}")
string(REPLACE "%" "%%" quoted "${quoted}")
# %f: a file manager passes the belt file opened with it.
set(KX_DESKTOP_EXEC "\"${quoted}\" %f")
configure_file("${KX_TEMPLATE}" "${KX_WORK_DIR}/kx-konfigurator.desktop" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${KX_SHARE_DIR}/applications"
     TYPE FILE FILES "${KX_WORK_DIR}/kx-konfigurator.desktop")

# A user's own install tells the desktop about the belt files at once; a
# package build (DESTDIR) leaves that to the package's triggers.
if("$ENV{DESTDIR}" STREQUAL "")
  find_program(KX_UPDATE_MIME update-mime-database)
  if(KX_UPDATE_MIME)
    execute_process(COMMAND "${KX_UPDATE_MIME}" "${CMAKE_INSTALL_PREFIX}/${KX_SHARE_DIR}/mime"
                    OUTPUT_QUIET ERROR_QUIET)
  endif()
  find_program(KX_UPDATE_DESKTOP update-desktop-database)
  if(KX_UPDATE_DESKTOP)
    execute_process(COMMAND "${KX_UPDATE_DESKTOP}" "${CMAKE_INSTALL_PREFIX}/${KX_SHARE_DIR}/applications"
                    OUTPUT_QUIET ERROR_QUIET)
  endif()
endif()
