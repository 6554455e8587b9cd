# Installation under /usr and the Debian package (`make package` → cpack -G DEB).
# The programs find their settings in ~/.config/vellex/ when their own folder is not
# writable, so nothing else has to be installed for them.
include(GNUInstallDirs)

if(VELLEX_BUILD_GUI)
  install(TARGETS vellex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(VELLEX_BUILD_CLI)
  install(TARGETS vellex-print appconv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/vellex.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Debian's shared-mime-info and desktop-file-utils pick these up through their triggers.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/vellex-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vellex.xml)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/vellex.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vellex")
set(CPACK_PACKAGE_CONTACT "Vellex <vellex@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Заполнение и печать документов об образовании на готовых бланках")
set(CPACK_PACKAGE_DESCRIPTION
  "Дипломы, приложения к ним, академические справки и свидетельства о квалификации: данные студента вводятся в окне и печатаются точно в поля бланка. vellex-print печатает без окна, в том числе целую группу по списку студентов.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# What is loaded at run time and no linker sees: the screen and offscreen platforms, the
# Arial-compatible fonts, the Russian Qt dialogs. The libraries come from dpkg-shlibdeps
# (dpkg-dev); without it they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, fonts-liberation, fontconfig, qt6-translations-l10n")
find_program(VELLEX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VELLEX_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libcups2 (>= 2.4), ")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client, poppler-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)

if(VELLEX_BUILD_TESTS AND VELLEX_BUILD_GUI)
  # Builds the package into a scratch folder and checks what it holds.
  add_test(NAME vellex_package_test
    COMMAND ${CMAKE_COMMAND} -E env bash ${CMAKE_SOURCE_DIR}/packaging/package_test.sh
      ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
  set_tests_properties(vellex_package_test PROPERTIES LABELS package TIMEOUT 600)
endif()
