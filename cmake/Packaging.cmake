# Installation under /usr and the packages: `make package` → cpack -G DEB,
# `make package-rpm` → cpack -G RPM. The programs find their settings in ~/.config/vellex/
# when their own folder is not writable, so nothing else has to be installed for them.
include(GNUInstallDirs)

set(VELLEX_MAINTAINER "Vellex <vellex@vellex.ru>")
# The packaging revision: Debian and RPM count their own rebuilds of one version.
set(VELLEX_PACKAGE_RELEASE 1)
set(VELLEX_DEB_VERSION ${PROJECT_VERSION}-${VELLEX_PACKAGE_RELEASE})
set(VELLEX_APPSTREAM_ID ru.vellex.Vellex)
set(pkg_src ${CMAKE_SOURCE_DIR}/packaging)
set(pkg_out ${CMAKE_BINARY_DIR}/packaging)

if(VELLEX_BUILD_GUI)
  install(TARGETS vellex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(VELLEX_BUILD_CLI)
  install(TARGETS vellex-print appconv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The compiler's version note is of no use in an installed program; distributions drop it.
if(CMAKE_OBJCOPY)
  install(CODE "
    foreach(program vellex vellex-print appconv)
      set(elf \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
      if(EXISTS \"\${elf}\")
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment \"\${elf}\"
          RESULT_VARIABLE failed)
        if(failed)
          message(FATAL_ERROR \"objcopy could not remove .comment from \${elf}\")
        endif()
      endif()
    endforeach()")
endif()

install(FILES ${pkg_src}/vellex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Debian's shared-mime-info and desktop-file-utils pick these up through their triggers.
install(FILES ${pkg_src}/vellex-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vellex.xml)
install(FILES ${pkg_src}/vellex.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${pkg_src}/${VELLEX_APPSTREAM_ID}.metainfo.xml.in
  ${pkg_out}/${VELLEX_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${pkg_out}/${VELLEX_APPSTREAM_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${pkg_src}/debian/copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages and the Debian changelog are installed compressed, and without the time
# stamp gzip would put in, so that two builds of one source give the same package.
find_program(VELLEX_GZIP gzip REQUIRED)
configure_file(${pkg_src}/debian/changelog.in ${pkg_out}/changelog.Debian @ONLY)
set(compressed_docs)
foreach(page vellex vellex-print appconv)
  add_custom_command(OUTPUT ${pkg_out}/${page}.1.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${pkg_src}/man/${page}.1 ${pkg_out}/${page}.1
    COMMAND ${VELLEX_GZIP} -9nf ${pkg_out}/${page}.1
    DEPENDS ${pkg_src}/man/${page}.1 VERBATIM)
  list(APPEND compressed_docs ${pkg_out}/${page}.1.gz)
  install(FILES ${pkg_out}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_command(OUTPUT ${pkg_out}/changelog.Debian.gz
  COMMAND ${VELLEX_GZIP} -9nkf ${pkg_out}/changelog.Debian
  DEPENDS ${pkg_out}/changelog.Debian VERBATIM)
list(APPEND compressed_docs ${pkg_out}/changelog.Debian.gz)
add_custom_target(vellex_compressed_docs ALL DEPENDS ${compressed_docs})
install(FILES ${pkg_out}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${pkg_src}/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vellex)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vellex")
set(CPACK_PACKAGE_CONTACT "${VELLEX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Заполнение и печать документов об образовании на готовых бланках")
# Wrapped by hand: the package tools show these lines as they are.
set(CPACK_PACKAGE_DESCRIPTION
  "Vellex заполняет дипломы и приложения к ним, академические справки и
свидетельства о квалификации: данные студента вводятся в окне и печатаются
точно в поля бланка. vellex-print печатает без окна, в том числе целую группу
по списку студентов; appconv переводит документы прежних версий в формат
текущей.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VELLEX_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# What is loaded at run time and no linker sees: the Arial-compatible fonts, the Russian
# Qt dialogs. The screen and offscreen platforms come with libqt6gui6 (libqt5gui5). The
# libraries come from dpkg-shlibdeps (dpkg-dev); without it they are named here.
if(VELLEX_QT_MAJOR EQUAL 5)
  # Astra Linux SE and other Qt 5 systems: `make package CMAKE_ARGS=-DVELLEX_QT_MAJOR=5`.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fontconfig, qttranslations5-l10n")
  set(qt_libraries "libqt5core5a (>= 5.15), libqt5gui5 (>= 5.15), libqt5widgets5 (>= 5.15), libqt5printsupport5 (>= 5.15)")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fontconfig, qt6-translations-l10n")
  set(qt_libraries "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4)")
endif()
find_program(VELLEX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VELLEX_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS "${qt_libraries}, libcups2 (>= 2.4), ")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client, poppler-utils")

# The RPM follows Fedora's names (RED OS); ALT and RED OS build their own from
# packaging/alt and packaging/redos.
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE ${VELLEX_PACKAGE_RELEASE})
set(CPACK_RPM_PACKAGE_LICENSE "GPL-3.0-or-later")
set(CPACK_RPM_PACKAGE_GROUP "Applications/Productivity")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_RELOCATABLE OFF)
set(CPACK_RPM_PACKAGE_RELOCATABLE OFF)
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${VELLEX_MAINTAINER}")
set(CPACK_RPM_PACKAGE_REQUIRES
  "font(liberationsans), fontconfig, qt${VELLEX_QT_MAJOR}-qttranslations")
configure_file(${pkg_src}/rpm/changelog.in ${pkg_out}/rpm-changelog @ONLY)
set(CPACK_RPM_CHANGELOG_FILE ${pkg_out}/rpm-changelog)
# Beside CPack's own list of system folders: the folders other packages own (the RPM
# owns only its files and its doc folder), and the Debian changelog and lintian's notes,
# which belong to the .deb only.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
  /usr/share/applications /usr/share/metainfo /usr/share/man /usr/share/man/man1
  /usr/share/icons /usr/share/icons/hicolor /usr/share/icons/hicolor/scalable
  /usr/share/icons/hicolor/scalable/apps /usr/share/mime /usr/share/mime/packages
  /usr/share/doc/vellex/changelog.Debian.gz /usr/share/lintian
  /usr/share/lintian/overrides /usr/share/lintian/overrides/vellex)
include(CPack)

if(VELLEX_BUILD_TESTS AND VELLEX_BUILD_GUI)
  # Builds the package into a scratch folder and checks what it holds.
  add_test(NAME vellex_package_test
    COMMAND ${CMAKE_COMMAND} -E env bash ${CMAKE_SOURCE_DIR}/packaging/package_test.sh
      ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
  set_tests_properties(vellex_package_test PROPERTIES LABELS package TIMEOUT 600)
endif()
