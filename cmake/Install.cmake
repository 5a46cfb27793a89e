# Installing Latica like a desktop game (cmake --install), and its Debian package (cpack).
#
# The game finds its data folders beside its executable, so the program folder is installed
# whole into a private folder, lib/latica, and bin/ gets symbolic links to the programs
# there (the game resolves its own path through the link). The play files are installed
# read-only: a player's record then goes to the per-user work folder.

set(LATICA_INSTALL_DIR lib/latica)
set(LATICA_VERSION 3.04)
set(LATICA_PACKAGE_MAINTAINER "The Latica developers <latica@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")

set(latica_file_permissions OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(latica_directory_permissions OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                 WORLD_READ WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${latica_directory_permissions})

# The programs of the program folder.
install(TARGETS latica RUNTIME DESTINATION ${LATICA_INSTALL_DIR})
set(latica_commands latica)
if(TARGET norda)
  install(TARGETS norda RUNTIME DESTINATION ${LATICA_INSTALL_DIR})
  list(APPEND latica_commands norda)
endif()

# The data folders whole, and the play files at the top of the program folder. The folder's
# files are whatever the build made, so they are listed when installing. What runs from the
# build leave there (records *.log, boards *.sav, Report.txt, half-written files) stays out.
install(CODE "set(latica_program_dir [[${LATICA_PROGRAM_DIR}]])
set(latica_install_dir [[${LATICA_INSTALL_DIR}]])
set(latica_file_permissions ${latica_file_permissions})
set(latica_directory_permissions ${latica_directory_permissions})")
install(CODE [[
  file(GLOB entries LIST_DIRECTORIES true "${latica_program_dir}/*")
  foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${entry}")
      file(INSTALL "${entry}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${latica_install_dir}"
           FILE_PERMISSIONS ${latica_file_permissions}
           DIRECTORY_PERMISSIONS ${latica_directory_permissions}
           REGEX "\\.([lL][oO][gG]|[sS][aA][vV])$" EXCLUDE
           REGEX "/[rR][eE][pP][oO][rR][tT]\\.[tT][xX][tT]$" EXCLUDE)
    elseif(entry MATCHES "\\.[kK][mM][iI]$")
      file(INSTALL "${entry}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${latica_install_dir}"
           FILE_PERMISSIONS ${latica_file_permissions})
    endif()
  endforeach()
]])

# bin/: links into the program folder, and the story author's tool, which needs no folder.
set(latica_links ${CMAKE_BINARY_DIR}/install/bin)
file(MAKE_DIRECTORY ${latica_links})
foreach(command IN LISTS latica_commands)
  file(CREATE_LINK ../${LATICA_INSTALL_DIR}/${command} ${latica_links}/${command} SYMBOLIC)
  install(FILES ${latica_links}/${command} DESTINATION bin)
endforeach()
if(TARGET talkbuild)
  install(TARGETS talkbuild RUNTIME DESTINATION bin)
endif()

# The menu entry, its icon (drawn by genpictures) and the AppStream metadata.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/io.github.latica.Latica.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/io.github.latica.Latica.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${LATICA_ICON_THEME} DESTINATION share/icons
        FILE_PERMISSIONS ${latica_file_permissions})

# The copyright and the changelog where Debian looks for them (the changelog compressed
# without a time stamp, as the Debian tools expect).
set(latica_changelog ${CMAKE_BINARY_DIR}/install/changelog.Debian)
add_custom_command(
  OUTPUT ${latica_changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/changelog ${latica_changelog}
  COMMAND gzip -9nf ${latica_changelog}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the Debian changelog"
  VERBATIM)
add_custom_target(latica_changelog ALL DEPENDS ${latica_changelog}.gz)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${latica_changelog}.gz DESTINATION share/doc/latica)

# The Debian package: cpack -G DEB (or the target "package") writes latica_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME latica)
set(CPACK_PACKAGE_VERSION ${LATICA_VERSION})
set(CPACK_PACKAGE_VENDOR "The Latica developers")
set(CPACK_PACKAGE_CONTACT ${LATICA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/latica/latica)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Japanese crossword game with a family adviser
Latica is a Japanese crossword game wrapped in a small story. One of your
family comes along as your adviser: they greet you by name, give hints when
you are stuck and are glad when a puzzle is solved. The board is filled with
the keyboard or the on-screen dial; kana puzzles are typed in romaji through
the kana keypad.
.
The package also holds norda, which builds play files from puzzle sources
and checks them, and talkbuild, which turns a story script into the game's
talk data.")
# The shared libraries come from dpkg-shlibdeps (Qt 6, SDL2_mixer, the C++ runtime); the
# game also needs what it loads at run time: Qt's X11 platform plugin, FluidSynth for the
# music, the soundfont it names, the IPA fonts and Qt's Japanese dialog texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libfluidsynth3, timgm6mb-soundfont, fonts-ipafont-gothic, qt6-translations-l10n")
# Debian keeps the commands of games in /usr/games: the package moves the game's link there
# from bin/ (its target, ../lib/latica/latica, is the same from both); the authors' tools
# stay in bin/.
set(latica_games_script ${CMAKE_BINARY_DIR}/install/DebianGames.cmake)
file(WRITE ${latica_games_script} [[
if(CPACK_GENERATOR STREQUAL "DEB")
  set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
  file(MAKE_DIRECTORY "${usr}/games")
  file(RENAME "${usr}/bin/latica" "${usr}/games/latica")
endif()
]])
set(CPACK_PRE_BUILD_SCRIPTS ${latica_games_script})
include(CPack)

# The installed game's test: an install into a temporary DESTDIR holds everything the game
# and its tools need, the menu files validate, and the game started from there reaches its
# opening under a private X server, seen by the window watcher. The package's test builds
# the .deb and runs lintian on it (not for sanitizer builds, whose programs are no package).
if(NOT LATICA_FUZZ)
  pkg_check_modules(XCB_DAMAGE IMPORTED_TARGET xcb xcb-damage)
  set(latica_window_watch none)
  if(XCB_DAMAGE_FOUND)
    enable_language(C)
    add_executable(install_window_watch ${CMAKE_SOURCE_DIR}/bench/support/window_watch.c)
    target_link_libraries(install_window_watch PRIVATE PkgConfig::XCB_DAMAGE)
    set(latica_window_watch $<TARGET_FILE:install_window_watch>)
  endif()
  add_test(NAME install
    COMMAND ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR} ${CMAKE_COMMAND}
            ${latica_window_watch})
  set_tests_properties(install PROPERTIES
    TIMEOUT 300 SKIP_RETURN_CODE 77 ENVIRONMENT "SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=0")
  if(NOT LATICA_SANITIZE)
    add_test(NAME install_package
      COMMAND ${CMAKE_SOURCE_DIR}/tests/install/package_test.sh ${CMAKE_BINARY_DIR} ${CMAKE_CPACK_COMMAND})
    set_tests_properties(install_package PROPERTIES TIMEOUT 600)
  endif()
endif()
