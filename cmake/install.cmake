# Installing Vexmorel as a desktop program, and its Debian package.
#
# Layout under any prefix:
#   lib/vexmorel/vexmorel       the program
#   lib/vexmorel/vexmorel.cfg   its default settings file
#   bin/vexmorel                relative symlink to ../lib/vexmorel/vexmorel
#   share/applications/vexmorel.desktop, share/mime/packages/vexmorel.xml,
#   share/icons/hicolor/scalable/apps/vexmorel.svg
# The program reads the settings file beside its resolved executable, so the
# two stay together; they live in a private folder because bin/ is for
# programs only, and the symlink puts the command on PATH. The install step
# does not rebuild the MIME or desktop caches: the package relies on the
# Debian triggers of shared-mime-info, desktop-file-utils and the icon theme.
# Without the Qt program there is nothing to install.
if(NOT TARGET vexmorel)
  return()
endif()
include(GNUInstallDirs)

set(VEXMOREL_PROGRAM_DIR lib/vexmorel)
install(TARGETS vexmorel RUNTIME DESTINATION ${VEXMOREL_PROGRAM_DIR})
install(FILES ${VEXMOREL_SETTINGS_FILE} DESTINATION ${VEXMOREL_PROGRAM_DIR})

# Made here and installed as a symlink, so it works the same under DESTDIR
# and in CPack's staging folder.
file(RELATIVE_PATH vexmorel_link_target
  /${CMAKE_INSTALL_BINDIR} /${VEXMOREL_PROGRAM_DIR}/vexmorel)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ${vexmorel_link_target} ${CMAKE_BINARY_DIR}/packaging/vexmorel SYMBOLIC)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/vexmorel DESTINATION ${CMAKE_INSTALL_BINDIR})

set(VEXMOREL_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${VEXMOREL_PACKAGING}/vexmorel.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VEXMOREL_PACKAGING}/vexmorel-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vexmorel.xml)
install(FILES ${VEXMOREL_PACKAGING}/vexmorel.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

if(VEXMOREL_TESTS)
  add_test(NAME install.desktop
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh
            ${CMAKE_BINARY_DIR} ${VEXMOREL_SETTINGS_FILE})
  set_tests_properties(install.desktop PROPERTIES LABELS install TIMEOUT 180)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexmorel)
set(CPACK_PACKAGE_CONTACT "Seed b7096ef0 maintainers <maintainers@users.noreply.c-seed-b7096ef0.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pic2 image header editor")
set(CPACK_PACKAGE_DESCRIPTION
  "Edits the 120-byte descriptive header of Pic2 image files (.p2): author, titles, saving software, work number and creation time. Japanese interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The Qt and C++ runtime libraries come from dpkg-shlibdeps; the font is
# what the window asks fontconfig for, and nothing links it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "^${CMAKE_SOURCE_DIR}/build")
include(CPack)
