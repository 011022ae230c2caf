# What `cmake --install` adds around the program's folder, and the Debian package made by CPack.
# The units install their own outputs (program, glimdict, dictionaries, sounds) into
# GLIM_INSTALL_DIR; the program finds them beside its real path, so the links in bin work.

foreach(program glimmerquake glimdict)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${program}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"../${GLIM_INSTALL_DIR}/${program}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Installing: \${link} -> ../${GLIM_INSTALL_DIR}/${program}\")
  ")
endforeach()

# The support address and the home page (GLIM_SUPPORT_EMAIL, GLIM_HOME_PAGE) appear in the
# metadata only when set; each field that would carry one is left out otherwise.
set(GLIM_METAINFO_HOME_PAGE "")
set(GLIM_COPYRIGHT_CONTACT "")
set(CPACK_PACKAGE_CONTACT "Quirkwell")
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
set(CPACK_PACKAGE_DESCRIPTION
  "Round letter tiles arrive at the top of a hexagonal board and tumble down; drag over a chain \
of touching tiles to spell a word before the board fills. Ships English, British, French, German \
and Spanish dictionaries and the glimdict tool to build your own.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY glimmerquake)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Library dependencies come from dpkg-shlibdeps; the fonts are what the windows are drawn with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
# WordNet gives the English words their definitions; without it the game shows none.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wordnet-base")
include(CPack)
