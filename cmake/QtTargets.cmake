# The Qt face: thin widgets over core. Each program's sources are found by folder, so adding a
# dialog means adding its files, nothing here. The Qt libraries are object libraries: a dialog
# registers itself with a static object that nothing else references, and a static archive would
# leave such an object file out of the link. Object libraries are linked only into the targets
# that name them, so every program names each one it needs.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Test)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

find_path(QCUSTOMPLOT_INCLUDE_DIR qcustomplot.h)
find_library(QCUSTOMPLOT_LIBRARY NAMES qcustomplot-qt6 qcustomplot QCustomPlotQt6 libQCustomPlotQt6.so.2.1)

file(GLOB_RECURSE ZELVO_QT_COMMON_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/common/qt/*.cpp ${CMAKE_SOURCE_DIR}/common/qt/*.h)
add_library(zelvo_qt_common OBJECT ${ZELVO_QT_COMMON_SOURCES})
target_link_libraries(zelvo_qt_common PUBLIC zelvo_core Qt6::Widgets Qt6::PrintSupport)
target_include_directories(zelvo_qt_common PUBLIC ${CMAKE_SOURCE_DIR})

# zelvo: every qt/ folder under zelvo/, one of which holds main().
file(GLOB_RECURSE ZELVO_APP_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/zelvo/*/qt/*.cpp ${CMAKE_SOURCE_DIR}/zelvo/*/qt/*.h ${CMAKE_SOURCE_DIR}/zelvo/*/qt/*.qrc)
if(ZELVO_APP_SOURCES)
  set(ZELVO_APP_LIB_SOURCES ${ZELVO_APP_SOURCES})
  list(FILTER ZELVO_APP_LIB_SOURCES EXCLUDE REGEX "/main\\.cpp$")
  add_library(zelvo_app OBJECT ${ZELVO_APP_LIB_SOURCES})
  target_link_libraries(zelvo_app PUBLIC zelvo_qt_common)
  if(QCUSTOMPLOT_LIBRARY)
    target_include_directories(zelvo_app PUBLIC ${QCUSTOMPLOT_INCLUDE_DIR})
    target_link_libraries(zelvo_app PUBLIC ${QCUSTOMPLOT_LIBRARY})
    target_compile_definitions(zelvo_app PUBLIC QCUSTOMPLOT_USE_LIBRARY)
  endif()
  if(EXISTS ${CMAKE_SOURCE_DIR}/zelvo/shell/qt/main.cpp)
    add_executable(zelvo ${CMAKE_SOURCE_DIR}/zelvo/shell/qt/main.cpp)
    target_link_libraries(zelvo PRIVATE zelvo_app zelvo_qt_common)
  endif()
endif()

file(GLOB_RECURSE TARVEL_APP_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tarvel/qt/*.cpp ${CMAKE_SOURCE_DIR}/tarvel/qt/*.h)
if(TARVEL_APP_SOURCES)
  set(TARVEL_APP_LIB_SOURCES ${TARVEL_APP_SOURCES})
  list(FILTER TARVEL_APP_LIB_SOURCES EXCLUDE REGEX "/main\\.cpp$")
  add_library(tarvel_app OBJECT ${TARVEL_APP_LIB_SOURCES})
  target_link_libraries(tarvel_app PUBLIC zelvo_qt_common)
  add_executable(tarvel ${CMAKE_SOURCE_DIR}/tarvel/qt/main.cpp)
  target_link_libraries(tarvel PRIVATE tarvel_app zelvo_qt_common)
endif()

# Qt tests: real windows under the offscreen platform.
file(GLOB_RECURSE ZELVO_QT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/qt/*.cpp)
if(ZELVO_QT_TEST_SOURCES AND (TARGET zelvo_app OR TARGET tarvel_app))
  add_executable(zelvo_qt_tests ${ZELVO_QT_TEST_SOURCES})
  # tests/qt/QtTestMain.cpp makes the QApplication before the tests run.
  target_link_libraries(zelvo_qt_tests PRIVATE zelvo_qt_common Qt6::Test GTest::gtest)
  if(TARGET zelvo_app)
    target_link_libraries(zelvo_qt_tests PRIVATE zelvo_app)
  endif()
  if(TARGET tarvel_app)
    target_link_libraries(zelvo_qt_tests PRIVATE tarvel_app)
  endif()
  target_include_directories(zelvo_qt_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(zelvo_qt_tests PRIVATE
    ZELVO_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
    ZELVO_REAL_DATA_DIR="${CMAKE_SOURCE_DIR}/../shared/data/real"
    ZELVO_SAMPLES_DIR="${CMAKE_SOURCE_DIR}/samples"
    ZELVO_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
  gtest_discover_tests(zelvo_qt_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endif()
