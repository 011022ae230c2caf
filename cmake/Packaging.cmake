# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` adds around the program's folder, and the Debian package made by CPack.
# The units install their own outputs (program, glimdict, dictionaries, sounds) into
# GLIM_INSTALL_DIR; the program finds them beside its real path, so links to it work.
#
# Where the links go: installed into /usr (the Debian package, or a system install by hand), the
# game's link goes in /usr/games as Debian's games policy wants. Any other prefix (/usr/local,
# ~/.local, a test folder) keeps it in <prefix>/bin beside glimdict: the desktop entry starts the
# game by name through PATH, which holds ~/.local/bin but no ~/.local/games, nor the games folder of
# any other prefix (only Debian's /usr/local/games), while a prefix's bin is the folder people put
# on PATH when they install there. glimdict is a tool, not a game, so it is always linked into bin.
#
# A games package with a program in /usr/bin draws lintian's warning, which asks whether that is
# meant: it is, so the Debian layout comes with an override that says why.
file(WRITE "${CMAKE_BINARY_DIR}/data/lintian-overrides/glimmerquake"
  "# glimdict, the dictionary tool, is not a game: it stays in /usr/bin.\n"
  "glimmerquake: package-section-games-but-has-usr-bin\n")

install(CODE "set(glim_install_dir \"${GLIM_INSTALL_DIR}\")
              set(glim_overrides \"${CMAKE_BINARY_DIR}/data/lintian-overrides/glimmerquake\")")
install(CODE [[
  string(REGEX REPLACE "/+$" "" glim_prefix "${CMAKE_INSTALL_PREFIX}")
  set(glim_game_dir bin)
  if(glim_prefix STREQUAL "/usr")
    set(glim_game_dir games)
    file(INSTALL "${glim_overrides}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/lintian/overrides")
  endif()
  foreach(glim_link "${glim_game_dir}/glimmerquake" bin/glimdict)
    cmake_path(GET glim_link FILENAME glim_program)
    set(glim_path "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${glim_link}")
    cmake_path(GET glim_path PARENT_PATH glim_dir)
    file(MAKE_DIRECTORY "${glim_dir}")
    file(REMOVE "${glim_path}")
    file(CREATE_LINK "../${glim_install_dir}/${glim_program}" "${glim_path}" SYMBOLIC)
    message(STATUS "Installing: ${glim_path} -> ../${glim_install_dir}/${glim_program}")
  endforeach()
]])

# The manual pages and the changelog, compressed as Debian wants them: gzip -9, and -n so that
# neither the file name nor its time goes into the archive and every build makes the same bytes.
set(glim_compressed "")
foreach(source data/man/glimmerquake.6 data/man/glimdict.1 changelog)
  cmake_path(GET source FILENAME name)
  set(output "${CMAKE_BINARY_DIR}/data/compressed/${name}.gz")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh "${CMAKE_SOURCE_DIR}/${source}" "${output}"
    DEPENDS "${CMAKE_SOURCE_DIR}/${source}"
    COMMENT "Compressing ${source}"
    VERBATIM
  )
  list(APPEND glim_compressed "${output}")
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${glim_compressed})
install(FILES "${CMAKE_BINARY_DIR}/data/compressed/glimmerquake.6.gz" DESTINATION share/man/man6)
install(FILES "${CMAKE_BINARY_DIR}/data/compressed/glimdict.1.gz" DESTINATION share/man/man1)
install(FILES "${CMAKE_BINARY_DIR}/data/compressed/changelog.gz" DESTINATION share/doc/glimmerquake)

# The support address and the home page (GLIM_SUPPORT_EMAIL, GLIM_HOME_PAGE) appear in the
# metadata only when set; each field that would carry one is left out otherwise.
set(GLIM_METAINFO_HOME_PAGE "")
set(GLIM_COPYRIGHT_CONTACT "")
# The package's Maintainer field cannot be left out and must hold a mail address: without a support
# address it names one under .invalid, a name that never resolves, so no mail reaches a stranger.
set(CPACK_PACKAGE_CONTACT "Quirkwell <glimmerquake@quirkwell.invalid>")
if(NOT GLIM_HOME_PAGE STREQUAL "")
  string(REPLACE "&" "&amp;" escaped "${GLIM_HOME_PAGE}")
  string(REPLACE "<" "&lt;" escaped "${escaped}")
  set(GLIM_METAINFO_HOME_PAGE "\n  <url type=\"homepage\">${escaped}</url>")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${GLIM_HOME_PAGE}")
endif()
if(NOT GLIM_SUPPORT_EMAIL STREQUAL "")
  set(GLIM_COPYRIGHT_CONTACT "\nUpstream-Contact: Quirkwell <${GLIM_SUPPORT_EMAIL}>")
  set(CPACK_PACKAGE_CONTACT "Quirkwell <${GLIM_SUPPORT_EMAIL}>")
endif()

set(GLIM_APP_ID "com.quirkwell.glimmerquake")
configure_file("data/desktop/${GLIM_APP_ID}.metainfo.xml.in" "${CMAKE_BINARY_DIR}/data/${GLIM_APP_ID}.metainfo.xml" @ONLY)
configure_file(data/copyright.in "${CMAKE_BINARY_DIR}/data/copyright" @ONLY)
install(FILES "data/desktop/${GLIM_APP_ID}.desktop" DESTINATION share/applications)
install(FILES "${CMAKE_BINARY_DIR}/data/${GLIM_APP_ID}.metainfo.xml" DESTINATION share/metainfo)
install(FILES data/icons/glimmerquake.svg DESTINATION share/icons/hicolor/scalable/apps
        RENAME "${GLIM_APP_ID}.svg")
foreach(size 16 24 32 48 64 128 256)
  install(FILES "data/icons/${size}x${size}/glimmerquake.png"
          DESTINATION "share/icons/hicolor/${size}x${size}/apps" RENAME "${GLIM_APP_ID}.png")
endforeach()
install(FILES "${CMAKE_BINARY_DIR}/data/copyright" DESTINATION share/doc/glimmerquake)
install(FILES README.md LICENSE DESTINATION share/doc/glimmerquake)
install(DIRECTORY data/wordlists/ DESTINATION share/doc/glimmerquake/wordlists)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glimmerquake)
set(CPACK_PACKAGE_VENDOR Quirkwell)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word game of tumbling letter tiles")
# Line by line as it reads in the package's Description: each line within 79 columns.
set(CPACK_PACKAGE_DESCRIPTION [[
Round letter tiles arrive at the top of a hexagonal board and tumble down;
drag over a chain of touching tiles, or type its letters, to spell a word
before the board fills. A word scores the product of its tiles' values, and
when a round ends the game shows the best word the board held.

Ships English, British, French, German and Spanish dictionaries and the
glimdict tool to build your own from any word list. With WordNet installed,
the game shows what the best English words mean.]])
set(CPACK_PACKAGE_INSTALL_DIRECTORY glimmerquake)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Library dependencies come from dpkg-shlibdeps; the fonts are what the windows are drawn with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
# WordNet gives the English words their definitions; without it the game shows none. Qt's own
# translations put the texts of Qt's standard dialogs in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wordnet-base, qt6-translations-l10n")
include(CPack)
