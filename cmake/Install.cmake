# Installed like a desktop program: the three programs in bin/, a desktop entry and icons of
# several sizes for zelvo and tarvel, the manual page of zelvo-cli made from its --help text,
# and the user guide with its example records when the source has them. CPack makes a .deb of
# it all with the Debian packages it needs declared.
#   cmake --install build --prefix ~/.local        (scripts/install.sh does this)
#   cd build && cpack -G DEB

include(GNUInstallDirs)

install(TARGETS zelvo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The manual page, from the help text of the program just built.
set(ZELVO_MAN_PAGE ${CMAKE_BINARY_DIR}/man/zelvo-cli.1)
add_custom_command(
  OUTPUT ${ZELVO_MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:zelvo-cli> -DOUT=${ZELVO_MAN_PAGE} -DVERSION=${PROJECT_VERSION}
          -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
  DEPENDS zelvo-cli ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
  COMMENT "Manual page of zelvo-cli from its --help text")
add_custom_target(zelvo-cli-man ALL DEPENDS ${ZELVO_MAN_PAGE})
install(FILES ${ZELVO_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(ZELVO_BUILD_QT)
  install(TARGETS zelvo tarvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # The icons, drawn by the programs' own code into PNG files of every theme size.
  add_executable(zelvo-icons ${CMAKE_SOURCE_DIR}/desktop/WriteIcons.cpp)
  target_link_libraries(zelvo-icons PRIVATE zelvo_qt_common)
  set(ZELVO_ICON_STAMP ${CMAKE_BINARY_DIR}/icons/written)
  add_custom_command(
    OUTPUT ${ZELVO_ICON_STAMP}
    COMMAND zelvo-icons ${CMAKE_BINARY_DIR}/icons
    COMMAND ${CMAKE_COMMAND} -E touch ${ZELVO_ICON_STAMP}
    DEPENDS zelvo-icons
    COMMENT "Desktop icons of zelvo and tarvel")
  add_custom_target(zelvo-desktop-icons ALL DEPENDS ${ZELVO_ICON_STAMP})
  install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

  # The desktop entries name the installed programs by their full path, known at install time.
  install(CODE "
    set(ZELVO_DESKTOP_SOURCE \"${CMAKE_SOURCE_DIR}/desktop\")
    set(ZELVO_DESKTOP_BUILD \"${CMAKE_BINARY_DIR}/desktop\")
    set(ZELVO_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    set(ZELVO_APPLICATIONS_DIR \"${CMAKE_INSTALL_DATADIR}/applications\")
    include(\"${CMAKE_SOURCE_DIR}/cmake/DesktopEntries.cmake\")")
endif()

# The user guide and what it uses (its example records, its pictures): docs/guide.md and every
# folder beside it. Help > User Guide opens it, so it lies with the program's data in
# share/zelvo/guide (zelvo/shell/UserGuide.h), not in share/doc, which minimal systems leave out.
# The glob makes a build notice a docs folder that arrives later.
file(GLOB ZELVO_DOCS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*)
set(ZELVO_GUIDE_DESTINATION ${CMAKE_INSTALL_DATADIR}/zelvo/guide)
foreach(entry ${ZELVO_DOCS})
  if(IS_DIRECTORY ${entry})
    install(DIRECTORY ${entry} DESTINATION ${ZELVO_GUIDE_DESTINATION})
  elseif(entry MATCHES "/guide\\.md$")
    install(FILES ${entry} DESTINATION ${ZELVO_GUIDE_DESTINATION})
  endif()
endforeach()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "zelvo developers <zelvo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hydrologic indices and stream classification of daily stream-flow records")
set(CPACK_PACKAGE_DESCRIPTION
    "zelvo keeps projects of daily-flow data sets imported from agency daily-value files, computes 171 "
    "hydrologic indices with their percentile ranges, compares time periods and alternatives, and writes "
    "reports and graphs. tarvel classifies a stream into one of four classes. zelvo-cli is the same engine "
    "without a window, for scripts and many gauges.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
set(ZELVO_DEB_DEPENDS "libc6, libstdc++6, libgcc-s1")
if(ZELVO_BUILD_QT)
  # Qt's platform plugins (xcb, wayland through qt6-wayland when present) come with libqt6gui6.
  string(APPEND ZELVO_DEB_DEPENDS ", libqt6core6 (>= ${Qt6_VERSION}), libqt6gui6 (>= ${Qt6_VERSION})"
         ", libqt6widgets6 (>= ${Qt6_VERSION}), libqt6printsupport6 (>= ${Qt6_VERSION}), libqcustomplot2.1-qt6"
         ", hicolor-icon-theme")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${ZELVO_DEB_DEPENDS}")
include(CPack)

# The install checks: into a temporary prefix (every build), and the .deb (with the programs).
add_test(NAME Install.IntoATemporaryPrefix
         COMMAND ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR} prefix
                 $<IF:$<BOOL:${ZELVO_BUILD_QT}>,ON,OFF> ${CMAKE_SOURCE_DIR})
set_tests_properties(Install.IntoATemporaryPrefix PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
if(ZELVO_BUILD_QT)
  add_test(NAME Install.DebianPackage COMMAND ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR} deb)
  set_tests_properties(Install.DebianPackage PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
endif()
