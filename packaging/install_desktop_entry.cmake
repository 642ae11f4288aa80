# Runs at install time: the menu entry's Exec names the installed program by
# its absolute path, which is known only now (--prefix, CPack's staging).
# Expects KX_TEMPLATE, KX_WORK_DIR, KX_PROGRAM_DIR and KX_SHARE_DIR.

set(program "${CMAKE_INSTALL_PREFIX}/${KX_PROGRAM_DIR}/kx-konfigurator")
cmake_path(NORMAL_PATH program)
# Quoted as a desktop entry's argument: \ " ` $ escaped, then the string
# level doubles every backslash; a literal % is written %%.
string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" quoted "${program}")
string(REPLACE "\\" "\\\\" quoted "${quoted}")
string(REPLACE "%" "%%" quoted "${quoted}")
set(KX_DESKTOP_EXEC "\"${quoted}\"")
configure_file("${KX_TEMPLATE}" "${KX_WORK_DIR}/kx-konfigurator.desktop" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${KX_SHARE_DIR}/applications"
     TYPE FILE FILES "${KX_WORK_DIR}/kx-konfigurator.desktop")
