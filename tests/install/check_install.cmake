# Installs the build as a user would (into a home folder whose name needs
# quoting) and as a package build stages it (DESTDIR), and checks what lands
# where, that a reinstall keeps the chosen language and that the desktop
# knows a belt file by its content. Expects BUILD_DIR, WORK_DIR and DATA_DIR.

set(sizes 16 22 24 32 48 64 128 256)
file(GLOB shipped "${DATA_DIR}/*.ini" "${DATA_DIR}/guide/*.html")
file(REMOVE_RECURSE "${WORK_DIR}")

function(fail message)
  message(FATAL_ERROR "${message}")
endfunction()

function(install_into prefix destdir)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${destdir}"
            ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("install into ${prefix} failed:\n${out}")
  endif()
endfunction()

# root: where the files land; exec: the Exec line the menu entry must carry.
function(check_install prefix destdir exec)
  install_into("${prefix}" "${destdir}")
  set(root "${destdir}${prefix}")

  set(program "${root}/opt/kx-konfigurator")
  if(NOT EXISTS "${program}/kx-konfigurator")
    fail("no program in ${program}")
  endif()
  foreach(source ${shipped})
    file(RELATIVE_PATH name "${DATA_DIR}" "${source}")
    if(NOT EXISTS "${program}/${name}")
      fail("${name} is not next to the program")
    endif()
    file(SHA256 "${source}" want)
    file(SHA256 "${program}/${name}" got)
    if(NOT want STREQUAL got)
      fail("${name} differs from the shipped file")
    endif()
  endforeach()

  set(entry "${root}/share/applications/kx-konfigurator.desktop")
  if(NOT EXISTS "${entry}")
    fail("no menu entry ${entry}")
  endif()
  file(STRINGS "${entry}" lines REGEX "^(Exec|Icon|MimeType)=")
  set(want "${exec};Icon=kx-konfigurator;MimeType=application/x-kx-belt\;")
  if(NOT lines STREQUAL want)
    fail("menu entry of ${prefix} has\n  ${lines}\nnot\n  ${want}")
  endif()
  if(NOT EXISTS "${root}/share/mime/packages/kx-konfigurator.xml")
    fail("no MIME type in ${root}/share/mime/packages")
  endif()

  # The command on PATH: a relative link, so that it holds below DESTDIR too.
  set(command "${root}/bin/kx-konfigurator")
  file(REAL_PATH "${command}" target)
  if(NOT IS_SYMLINK "${command}" OR NOT target STREQUAL "${program}/kx-konfigurator")
    fail("${command} does not lead to the program")
  endif()
  set(metainfo "${root}/share/metainfo/local.kx_konfigurator.KxKonfigurator.metainfo.xml")
  foreach(file "${root}/share/man/man1/kx-konfigurator.1.gz" "${metainfo}"
               "${root}/share/doc/kx-konfigurator/copyright")
    if(NOT EXISTS "${file}")
      fail("no ${file}")
    endif()
  endforeach()
  # A new version names its release in the metainfo.
  execute_process(COMMAND "${command}" --version OUTPUT_VARIABLE version)
  string(REGEX MATCH "[0-9][0-9.]*" version "${version}")
  file(READ "${metainfo}" releases)
  if(NOT releases MATCHES "<release version=\"${version}\"")
    fail("the metainfo has no release ${version}")
  endif()
  foreach(size ${sizes})
    set(icon "${root}/share/icons/hicolor/${size}x${size}/apps/kx-konfigurator.png")
    if(NOT EXISTS "${icon}")
      fail("no icon ${icon}")
    endif()
  endforeach()
endfunction()

# A user's own install: the program by its path, which xdg-open without a
# desktop can start only unquoted.
check_install("${WORK_DIR}/plain/.local" ""
  "Exec=${WORK_DIR}/plain/.local/opt/kx-konfigurator/kx-konfigurator %f")
# A space, a $ and a % in the home folder: the Exec argument is quoted, $
# escaped, % doubled.
set(home "${WORK_DIR}/home/user $1%/.local")
check_install("${home}" ""
  "Exec=\"${WORK_DIR}/home/user \\\\$1%%/.local/opt/kx-konfigurator/kx-konfigurator\" %f")
# Staged: the files go below DESTDIR, the entry names the command on PATH. The
# package's triggers build the MIME database; the package brings none.
check_install("/usr/local" "${WORK_DIR}/stage" "Exec=kx-konfigurator %f")
if(EXISTS "${WORK_DIR}/stage/usr/local/share/mime/mime.cache")
  fail("the staged install brings a MIME database of its own")
endif()

# Reinstalling keeps the language chosen in the program folder, as long as
# its file is there; every other line comes from the new install.
set(main "${home}/opt/kx-konfigurator/47-318-xx.ini")
file(READ "${DATA_DIR}/47-318-xx.ini" shipped_main)
foreach(row "English.ini;English.ini" "Latein.ini;Deutsch.ini")
  list(GET row 0 chosen)
  list(GET row 1 kept)
  string(REPLACE "Deutsch.ini" "${chosen}" changed "${shipped_main}")
  file(WRITE "${main}" "; old\r\n${changed}")
  install_into("${home}" "")
  string(REPLACE "Deutsch.ini" "${kept}" want "${shipped_main}")
  file(READ "${main}" got)
  if(NOT got STREQUAL want)
    fail("after choosing ${chosen}, a reinstall wrote\n${got}\nnot\n${want}")
  endif()
endforeach()

# The desktop tells a saved belt by its content, and takes no other .dat
# file for one: through xdg-mime as on a bare desktop and as under GNOME.
find_program(xdg_mime xdg-mime)
if(NOT xdg_mime)
  fail("missing xdg-mime: run 'make deps'")
endif()
file(WRITE "${WORK_DIR}/files/belt.dat" "mKX40-600-R-AC-2GC-EV\r\n")
file(WRITE "${WORK_DIR}/files/belt" "oKX40-300-R\r\n")
file(WRITE "${WORK_DIR}/files/notes.dat" "Not a belt\n")
foreach(desktop "--unset=XDG_CURRENT_DESKTOP" "XDG_CURRENT_DESKTOP=GNOME")
  foreach(row "belt.dat;application/x-kx-belt" "belt;application/x-kx-belt"
              "notes.dat;text/plain")
    list(GET row 0 name)
    list(GET row 1 want)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env "XDG_DATA_HOME=${home}/share" ${desktop}
              "${xdg_mime}" query filetype "${WORK_DIR}/files/${name}"
      OUTPUT_VARIABLE got ERROR_VARIABLE error OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT got STREQUAL want)
      fail("xdg-mime (${desktop}) takes ${name} for '${got}', not ${want} ${error}")
    endif()
  endforeach()
endforeach()
