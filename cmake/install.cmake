# SPDX-License-Identifier: GPL-3.0-or-later
# Installing as a desktop application: the program folder (the three programs beside
# every data file they read) under lib/letterama, launcher links in bin, the desktop
# entries, the icon in the hicolor theme and the AppStream metadata under share.
# An installed program folder is read-only to its users: the programs then keep what
# they write in the user's data folder.

set(LETTERAMA_INSTALL_DIR lib/letterama)

install(TARGETS Letterama Gleaner letterama-dict RUNTIME DESTINATION ${LETTERAMA_INSTALL_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/program_folder/ DESTINATION ${LETTERAMA_INSTALL_DIR})

# Relative links, so that the installed tree can be moved or packaged as a whole. The
# programs find their folder through the link's target, not through the link.
set(launcher_dir ${CMAKE_BINARY_DIR}/launchers)
file(MAKE_DIRECTORY ${launcher_dir})
foreach(pair IN ITEMS "letterama:Letterama" "gleaner:Gleaner" "letterama-dict:letterama-dict")
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 launcher)
  list(GET pair 1 program)
  file(CREATE_LINK ../${LETTERAMA_INSTALL_DIR}/${program} ${launcher_dir}/${launcher} SYMBOLIC)
  install(FILES ${launcher_dir}/${launcher} DESTINATION bin)
endforeach()

set(desktop_dir ${PROJECT_SOURCE_DIR}/assets/desktop)
install(FILES ${desktop_dir}/org.example.letterama.Letterama.desktop ${desktop_dir}/org.example.letterama.Gleaner.desktop
  DESTINATION share/applications)
install(FILES ${desktop_dir}/org.example.letterama.Letterama.metainfo.xml DESTINATION share/metainfo)
foreach(size IN ITEMS 16 24 32 48 64 128 256)
  install(FILES ${desktop_dir}/icons/${size}x${size}/letterama.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/docs/board-style-2.png DESTINATION share/doc/letterama/screenshots)

# cpack -G DEB in the build folder: the dependencies come from the libraries the
# programs link, as dpkg-shlibdeps finds them (Debian package dpkg-dev).
set(CPACK_PACKAGE_NAME letterama)
set(CPACK_PACKAGE_VENDOR "Letterama")
set(CPACK_PACKAGE_CONTACT "Letterama <autore@letterama.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Italian letters game: find the longest word with the drawn letters")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://letterama.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Sound playback goes through GStreamer plugins, which no library link names.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, hunspell-it")
include(CPack)
