# Runs at install time, after the belt files' MIME type: the menu entry's
# Exec is known only now (--prefix, CPack's staging). Expects KX_TEMPLATE,
# KX_WORK_DIR, KX_PROGRAM_DIR, KX_SHARE_DIR and KX_BIN_DIR.

set(command "${CMAKE_INSTALL_PREFIX}/${KX_BIN_DIR}")
cmake_path(NORMAL_PATH command)
set(program "${CMAKE_INSTALL_PREFIX}/${KX_PROGRAM_DIR}/kx-konfigurator")
cmake_path(NORMAL_PATH program)
# %f: a file manager passes the belt file opened with it.
if(command MATCHES "^/usr/(local/)?bin/?$")
  # On everyone's PATH: the command's name, as Debian's entries have it.
  set(KX_DESKTOP_EXEC "kx-konfigurator %f")
elseif(program MATCHES "[] \t\n\"'\\><~|&;$*?#()`%[]")
  # Quoted as a desktop entry's argument: \ " ` $ escaped, then the string
  # level doubles every backslash; a literal % is written %%. xdg-open
  # without a desktop cannot start such an entry.
  string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" quoted "${program}")
  string(REPLACE "\\" "\\\\" quoted "${quoted}")
  string(REPLACE "%" "%%" quoted "${quoted}")
  set(KX_DESKTOP_EXEC "\"${quoted}\" %f")
else()
  # A user's own install, whose bin may not be on the desktop's PATH: the
  # program by its path, unquoted, as xdg-open without a desktop needs it.
  set(KX_DESKTOP_EXEC "${program} %f")
endif()
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
