# Installing Vexmorel as a desktop program; debian/ packages this install.
# Included after every program target, so that each is seen here.
#
# Layout under any prefix:
#   lib/vexmorel/vexmorel       the program
#   lib/vexmorel/vexmorel.cfg   its default settings file, or, with
#                               VEXMOREL_SETTINGS_DIR, a symlink to the file
#                               installed there (the package: /etc/vexmorel)
#   bin/vexmorel                relative symlink to ../lib/vexmorel/vexmorel
#   lib/vexmorel/vexmorel-cli, bin/vexmorel-cli   the same, for the command
#                               line, which reads the same settings file
#   share/locale/*/LC_MESSAGES/vexmorel-cli.mo   the command line's messages
#   share/applications/vexmorel.desktop, share/mime/packages/vexmorel.xml,
#   share/icons/hicolor/scalable/apps/vexmorel.svg,
#   share/metainfo/io.github.vexmorel.vexmorel.metainfo.xml, share/man/man1/*.1
# The program reads the settings file beside its resolved executable, so the
# two stay together; they live in a private folder because bin/ is for
# programs only, and the symlink puts the command on PATH. The install step
# does not rebuild the MIME or desktop caches: the package relies on the
# Debian triggers of shared-mime-info, desktop-file-utils and the icon theme.
include(GNUInstallDirs)

set(VEXMOREL_SETTINGS_DIR "" CACHE PATH
  "Absolute folder for the settings file, with a symlink to it beside the program; empty: the file itself lies beside the program")

# lib/, not the libdir: a multiarch libdir (lib/x86_64-linux-gnu) is for
# libraries, and these are programs.
set(VEXMOREL_PROGRAM_DIR lib/vexmorel)
set(VEXMOREL_LINK_DIR ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${VEXMOREL_LINK_DIR})

# vexmorel_install_program(TARGET): the program into the private folder, a
# relative symlink to it into bin/ (made here and installed as a symlink, so
# it works the same under DESTDIR), and its manual page.
function(vexmorel_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${VEXMOREL_PROGRAM_DIR})
  file(RELATIVE_PATH link_target /${CMAKE_INSTALL_BINDIR} /${VEXMOREL_PROGRAM_DIR}/${target})
  file(CREATE_LINK ${link_target} ${VEXMOREL_LINK_DIR}/${target} SYMBOLIC)
  install(PROGRAMS ${VEXMOREL_LINK_DIR}/${target} DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/data/man/${target}.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

if(TARGET vexmorel)
  vexmorel_install_program(vexmorel)
  install(FILES ${CMAKE_SOURCE_DIR}/data/vexmorel.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/data/vexmorel-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vexmorel.xml)
  install(FILES ${CMAKE_SOURCE_DIR}/data/vexmorel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${CMAKE_SOURCE_DIR}/data/io.github.vexmorel.vexmorel.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
if(TARGET vexmorel-cli)
  vexmorel_install_program(vexmorel-cli)
  # Its messages: the program looks in ../../share/locale from lib/vexmorel.
  install(DIRECTORY ${VEXMOREL_CLI_LOCALE}/ DESTINATION ${CMAKE_INSTALL_LOCALEDIR})
endif()
if(NOT TARGET vexmorel AND NOT TARGET vexmorel-cli)
  return()
endif()

if(VEXMOREL_SETTINGS_DIR)
  # The file lives where the system keeps its configuration (the package
  # makes it a conffile, so an edit survives upgrades); the absolute symlink
  # keeps it beside the program, where the program looks.
  if(NOT IS_ABSOLUTE "${VEXMOREL_SETTINGS_DIR}")
    message(FATAL_ERROR "VEXMOREL_SETTINGS_DIR must be absolute, not ${VEXMOREL_SETTINGS_DIR}")
  endif()
  install(FILES ${VEXMOREL_SETTINGS_FILE} DESTINATION ${VEXMOREL_SETTINGS_DIR})
  file(CREATE_LINK ${VEXMOREL_SETTINGS_DIR}/vexmorel.cfg ${VEXMOREL_LINK_DIR}/vexmorel.cfg SYMBOLIC)
  install(FILES ${VEXMOREL_LINK_DIR}/vexmorel.cfg DESTINATION ${VEXMOREL_PROGRAM_DIR})
else()
  install(FILES ${VEXMOREL_SETTINGS_FILE} DESTINATION ${VEXMOREL_PROGRAM_DIR})
endif()

if(VEXMOREL_TESTS AND TARGET vexmorel)
  # Builds the Debian package from a clone of the committed tree, so it
  # takes minutes: started first (COST) to overlap the rest of the suite.
  add_test(NAME install.desktop
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh
            ${CMAKE_BINARY_DIR} ${VEXMOREL_SETTINGS_FILE} ${CMAKE_SOURCE_DIR})
  set_tests_properties(install.desktop PROPERTIES
    LABELS install TIMEOUT 1800 COST 10000)
endif()
