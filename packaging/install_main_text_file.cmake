# Runs at install time: installs the main text file, keeping the language
# chosen in the one it replaces (its line after [SPRACHE]) while that
# language file is there, so that reinstalling does not switch back.
# Expects KX_SOURCE, KX_WORK_DIR and KX_PROGRAM_DIR.

get_filename_component(name "${KX_SOURCE}" NAME)
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${KX_PROGRAM_DIR}")
# file(READ) gives the lines without their CR; the shipped file's lines all
# end in CR LF, and so does the one written here.
set(pattern "\\[SPRACHE\\]\n([^\r\n]*)")
file(READ "${KX_SOURCE}" content)
if(EXISTS "${folder}/${name}")
  file(READ "${folder}/${name}" installed)
  set(chosen "")
  if(installed MATCHES "${pattern}")
    set(chosen "${CMAKE_MATCH_1}")
  endif()
  if(NOT chosen STREQUAL "" AND EXISTS "${folder}/${chosen}")
    string(REGEX REPLACE "${pattern}" "[SPRACHE]\n${chosen}" content "${content}")
  endif()
endif()
string(REPLACE "\n" "\r\n" content "${content}")
file(WRITE "${KX_WORK_DIR}/${name}" "${content}")
# file(INSTALL) takes a file of the same time for the same file.
file(REMOVE "${folder}/${name}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${KX_PROGRAM_DIR}" TYPE FILE
     FILES "${KX_WORK_DIR}/${name}")
