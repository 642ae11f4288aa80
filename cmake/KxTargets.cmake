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

# Precompiled Qt headers. Parsing Qt's headers is most of a compile here, so
# each layer's headers are precompiled once, by a small target of their own,
# and reused by every target of that layer and kind. A precompiled header fits
# only targets built with the same Qt modules and definitions: the check is
# -Winvalid-pch (added with every precompiled header), which -Werror makes an
# error. Never a header of the project here: each change would rebuild all.
set(KX_PCH_STD <algorithm> <array> <functional> <memory> <optional> <vector>)
set(KX_PCH_core ${KX_PCH_STD} <QByteArray> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QMap>
    <QObject> <QSet> <QString> <QStringList>)
set(KX_PCH_gui ${KX_PCH_core} <QColor> <QFont> <QFontMetricsF> <QIcon> <QImage> <QPainter>
    <QPainterPath> <QPixmap>)
set(KX_PCH_widgets ${KX_PCH_gui} <QAction> <QApplication> <QCheckBox> <QLabel> <QLineEdit>
    <QMainWindow> <QMdiArea> <QMdiSubWindow> <QPointer> <QPushButton> <QRadioButton>
    <QScrollBar> <QTimer> <QToolBar> <QWidget>)
set(KX_PCH_core_QT Qt6::Core)
set(KX_PCH_gui_QT Qt6::Gui)
set(KX_PCH_widgets_QT Qt6::Widgets Qt6::PrintSupport)

# kx_precompiled_qt(<target> <core|gui|widgets> <strict|tests>): <target>
# reuses the precompiled headers of its layer; "tests" adds QtTest.
function(kx_precompiled_qt target layer kind)
  if(NOT DEFINED KX_PCH_${layer}_QT OR NOT kind MATCHES "^(strict|tests)$")
    message(FATAL_ERROR "${target}: no precompiled headers for ${layer} ${kind}")
  endif()
  set(host kx_pch_${layer}_${kind})
  if(NOT TARGET ${host})
    set(source ${CMAKE_BINARY_DIR}/generated/kx_pch.cpp)
    if(NOT EXISTS ${source})
      file(WRITE ${source} "// Only the precompiled headers are built here.\n")
    endif()
    add_library(${host} OBJECT ${source})
    set(headers ${KX_PCH_${layer}})
    target_link_libraries(${host} PRIVATE ${KX_PCH_${layer}_QT})
    if(kind STREQUAL "tests")
      list(APPEND headers <QTest>)
      target_link_libraries(${host} PRIVATE Qt6::Test)
    endif()
    kx_target_strict(${host})
    set_target_properties(${host} PROPERTIES AUTOMOC OFF)
    target_precompile_headers(${host} PRIVATE ${headers})
  endif()
  target_precompile_headers(${target} REUSE_FROM ${host})
endfunction()

set(KX_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/../src)

# A library of the program: "rules/belt.h" names src/rules/belt.h. Its layer
# (core, gui or widgets) names the Qt modules it is built on, which its
# precompiled headers must match.
function(kx_library target layer)
  add_library(${target} STATIC ${ARGN})
  kx_precompiled_qt(${target} ${layer} strict)
  target_include_directories(${target} PUBLIC ${KX_SOURCE_ROOT} ${CMAKE_BINARY_DIR}/generated)
  kx_target_strict(${target})
endfunction()
