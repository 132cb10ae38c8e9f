# Precompiled headers for the outside headers that dominate compile time: Qt Widgets in the
# window code, GoogleTest in the tests. Only headers from outside the project go in, so editing
# our own headers never rebuilds a precompiled header. Every source of a target with a
# precompiled header sees these headers, so a missing #include could go unnoticed; the optimised
# g++ build uses none (see below) and catches it, and -DSORIMO_PCH=OFF turns them off anywhere.
option(SORIMO_PCH "Precompile the Qt and GoogleTest headers where the compiler allows" ON)

# With a precompiled header and optimisation on, g++ (seen with 12) lets through false warnings
# about standard library code inlined into our files that it keeps quiet without one
# (-Warray-bounds inside std::string's operator+, for one). Optimised g++ builds therefore parse
# the headers in every file; the sanitizer build (Debug) is the one that gains.
set(SORIMO_PCH_ACTIVE ${SORIMO_PCH})
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
  if(" ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${build_type}} " MATCHES " -O([1-9sgz]|fast)? ")
    set(SORIMO_PCH_ACTIVE OFF)
  endif()
endif()

set(SORIMO_PCH_STD <algorithm> <array> <chrono> <filesystem> <fstream> <functional> <map>
    <memory> <optional> <set> <string> <vector>)
# The Qt classes the window code uses; adding one used by several files pays back at once.
set(SORIMO_PCH_QT <QAction> <QActionGroup> <QApplication> <QCloseEvent> <QComboBox> <QDialog>
    <QDir> <QEvent> <QFileDialog> <QFrame> <QGridLayout> <QGroupBox> <QGuiApplication>
    <QHBoxLayout> <QImage> <QLabel> <QLineEdit> <QMainWindow> <QMenu> <QMenuBar> <QMessageBox>
    <QMouseEvent> <QPainter> <QPixmap> <QPushButton> <QScreen> <QTimer> <QToolButton>
    <QVBoxLayout> <QWidget>)

# The Qt window library: its own sources, the generated moc file included.
function(sorimo_precompile_qt target)
  if(SORIMO_PCH_ACTIVE)
    target_precompile_headers(${target} PRIVATE ${SORIMO_PCH_STD} ${SORIMO_PCH_QT})
  endif()
endfunction()

# A window test program: Qt, QTest and GoogleTest in one header of its own.
function(sorimo_precompile_qt_tests target)
  if(SORIMO_PCH_ACTIVE)
    target_precompile_headers(${target} PRIVATE ${SORIMO_PCH_STD} ${SORIMO_PCH_QT} <QTest>
                              <gtest/gtest.h>)
  endif()
endfunction()

# A plain test program. All of them share one precompiled header, built once by an object
# library of its own; that works because the test programs differ only in macros these headers
# do not read (g++ checks, and -Winvalid-pch would say if one did not match).
function(sorimo_precompile_gtest target)
  if(NOT SORIMO_PCH_ACTIVE)
    return()
  endif()
  if(NOT TARGET sorimo_gtest_pch)
    add_library(sorimo_gtest_pch OBJECT ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
    target_link_libraries(sorimo_gtest_pch PRIVATE GTest::gtest)
    target_precompile_headers(sorimo_gtest_pch PRIVATE ${SORIMO_PCH_STD} <gtest/gtest.h>)
  endif()
  target_precompile_headers(${target} REUSE_FROM sorimo_gtest_pch)
endfunction()
