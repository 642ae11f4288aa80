# How every target of the project is built: warnings on (and errors where
# KX_WERROR is set), text never converted from or to bytes without saying
# which encoding, and the libraries' includes rooted at src/.

function(kx_target_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(KX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

function(kx_target_strict target)
  kx_target_warnings(${target})
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
endfunction()

set(KX_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/../src)

# A library of the program: "rules/belt.h" names src/rules/belt.h.
function(kx_library target)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${KX_SOURCE_ROOT} ${CMAKE_BINARY_DIR}/generated)
  kx_target_strict(${target})
endfunction()
