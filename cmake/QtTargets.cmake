# The Qt face: thin widgets over core, one object library per layer, each linked to its core layer
# and to the Qt layers below it. The Qt libraries are object libraries: a dialog registers itself
# with a static object that nothing else references, and a static archive would leave such an
# object file out of the link. Object files reach only the targets that name the library, so every
# program names each Qt layer it needs.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Test)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

find_path(QCUSTOMPLOT_INCLUDE_DIR qcustomplot.h)
find_library(QCUSTOMPLOT_LIBRARY NAMES qcustomplot-qt6 qcustomplot QCustomPlotQt6 libQCustomPlotQt6.so.2.1)

# zelvo_qt_layer(NAME FOLDER f DEPENDS t...): the widgets of one folder's qt/ subfolder (main.cpp
# excluded). The folder's headers are published by its core layer, qt/ included.
function(zelvo_qt_layer name)
  cmake_parse_arguments(L "" "FOLDER" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/qt/*.cpp
       ${CMAKE_SOURCE_DIR}/${L_FOLDER}/qt/*.h ${CMAKE_SOURCE_DIR}/${L_FOLDER}/qt/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${name} OBJECT ${sources})
  target_link_libraries(${name} PUBLIC ${L_DEPENDS})
endfunction()

# common/qt is published on its own: the core layer zelvo_common publishes only engine, ui and import.
file(GLOB ZELVO_QT_COMMON_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/common/qt/*.cpp
     ${CMAKE_SOURCE_DIR}/common/qt/*.h)
add_library(zelvo_qt_common OBJECT ${ZELVO_QT_COMMON_SOURCES})
target_link_libraries(zelvo_qt_common PUBLIC zelvo_common Qt6::Widgets Qt6::PrintSupport)
zelvo_publish_folders(zelvo_qt_common common/qt)

zelvo_qt_layer(zelvo_session_qt FOLDER zelvo/session DEPENDS zelvo_session zelvo_qt_common)
zelvo_qt_layer(zelvo_store_qt FOLDER zelvo/store DEPENDS zelvo_store zelvo_session_qt)
zelvo_qt_layer(zelvo_graphs_qt FOLDER zelvo/graphs DEPENDS zelvo_graphs zelvo_session_qt)
if(QCUSTOMPLOT_LIBRARY)
  target_include_directories(zelvo_graphs_qt PUBLIC ${QCUSTOMPLOT_INCLUDE_DIR})
  target_link_libraries(zelvo_graphs_qt PUBLIC ${QCUSTOMPLOT_LIBRARY})
  target_compile_definitions(zelvo_graphs_qt PUBLIC QCUSTOMPLOT_USE_LIBRARY)
endif()
zelvo_qt_layer(zelvo_analysis_qt FOLDER zelvo/analysis DEPENDS zelvo_analysis zelvo_store_qt zelvo_graphs_qt)
zelvo_qt_layer(zelvo_shell_qt FOLDER zelvo/shell DEPENDS zelvo_shell zelvo_analysis_qt)
# A program run from its build folder finds the user guide in the source's docs folder.
target_compile_definitions(zelvo_shell_qt PRIVATE ZELVO_SOURCE_DOCS_DIR="${CMAKE_SOURCE_DIR}/docs")
set(ZELVO_QT_LAYERS zelvo_qt_common zelvo_session_qt zelvo_store_qt zelvo_graphs_qt zelvo_analysis_qt
    zelvo_shell_qt)

add_executable(zelvo ${CMAKE_SOURCE_DIR}/zelvo/shell/qt/main.cpp)
target_link_libraries(zelvo PRIVATE ${ZELVO_QT_LAYERS})

zelvo_qt_layer(tarvel_qt FOLDER tarvel DEPENDS tarvel_core zelvo_qt_common)
add_executable(tarvel ${CMAKE_SOURCE_DIR}/tarvel/qt/main.cpp)
target_link_libraries(tarvel PRIVATE tarvel_qt zelvo_qt_common)

# Qt tests: real windows under the offscreen platform.
file(GLOB_RECURSE ZELVO_QT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/qt/*.cpp)
add_executable(zelvo_qt_tests ${ZELVO_QT_TEST_SOURCES})
# tests/qt/QtTestMain.cpp makes the QApplication before the tests run.
target_link_libraries(zelvo_qt_tests PRIVATE ${ZELVO_QT_LAYERS} tarvel_qt Qt6::Test GTest::gtest)
target_include_directories(zelvo_qt_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(zelvo_qt_tests PRIVATE
  ZELVO_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
  ZELVO_REAL_DATA_DIR="${CMAKE_SOURCE_DIR}/../shared/data/real"
  ZELVO_SAMPLES_DIR="${CMAKE_SOURCE_DIR}/samples"
  ZELVO_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
gtest_discover_tests(zelvo_qt_tests DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)

# The pictures of the user guide, taken while its example is worked through in the real windows.
# ctest runs it into the build folder; scripts/guide_screenshots.sh into docs/images.
add_executable(zelvo_guide_shots ${CMAKE_SOURCE_DIR}/tests/guide/GuideScreenshots.cpp
               ${CMAKE_SOURCE_DIR}/tests/guide/GuideMain.cpp)
target_link_libraries(zelvo_guide_shots PRIVATE ${ZELVO_QT_LAYERS} tarvel_qt Qt6::Test GTest::gtest)
target_include_directories(zelvo_guide_shots PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(zelvo_guide_shots PRIVATE
  ZELVO_GUIDE_EXAMPLES="${CMAKE_SOURCE_DIR}/docs/examples"
  ZELVO_GUIDE_DOCUMENT="${CMAKE_SOURCE_DIR}/docs/guide.md"
  ZELVO_GUIDE_IMAGE_DIR="${CMAKE_BINARY_DIR}/guide_images")
gtest_discover_tests(zelvo_guide_shots DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
