# Installs the build as a user would (into a home folder whose name needs
# quoting) and as a package build stages it (DESTDIR), and checks what lands
# where. Expects BUILD_DIR, WORK_DIR and DATA_DIR.

set(sizes 16 22 24 32 48 64 128 256)
file(GLOB shipped "${DATA_DIR}/*.ini")
file(REMOVE_RECURSE "${WORK_DIR}")

function(fail message)
  message(FATAL_ERROR "${message}")
endfunction()

# root: where the files land; exec: the Exec line the menu entry must carry.
function(check_install prefix destdir exec)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${destdir}"
            ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("install into ${prefix} failed:\n${out}")
  endif()
  set(root "${destdir}${prefix}")

  set(program "${root}/opt/kx-konfigurator")
  if(NOT EXISTS "${program}/kx-konfigurator")
    fail("no program in ${program}")
  endif()
  foreach(source ${shipped})
    get_filename_component(name "${source}" NAME)
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
  file(STRINGS "${entry}" lines REGEX "^(Exec|Icon)=")
  if(NOT lines STREQUAL "${exec};Icon=kx-konfigurator")
    fail("menu entry of ${prefix} has\n  ${lines}\nnot\n  ${exec};Icon=kx-konfigurator")
  endif()

  foreach(size ${sizes})
    set(icon "${root}/share/icons/hicolor/${size}x${size}/apps/kx-konfigurator.png")
    if(NOT EXISTS "${icon}")
      fail("no icon ${icon}")
    endif()
  endforeach()
endfunction()

# A space, a $ and a % in the home folder: the Exec argument is quoted, $
# escaped, % doubled.
check_install("${WORK_DIR}/home/user $1%/.local" ""
  "Exec=\"${WORK_DIR}/home/user \\\\$1%%/.local/opt/kx-konfigurator/kx-konfigurator\"")
# Staged: the files go below DESTDIR, the entry names the final place.
check_install("/usr/local" "${WORK_DIR}/stage"
  "Exec=\"/usr/local/opt/kx-konfigurator/kx-konfigurator\"")
