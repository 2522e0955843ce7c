# SPDX-License-Identifier: GPL-3.0-or-later
# cpack -G DEB in the build folder makes a package that lintian accepts: the programs
# stripped at package time (the build keeps its debug information), the dependencies
# from the libraries the programs link, as dpkg-shlibdeps finds them (package dpkg-dev).
set(CPACK_PACKAGE_NAME letterama)
set(CPACK_PACKAGE_VENDOR "Letterama")
set(CPACK_PACKAGE_CONTACT "Letterama <autore@letterama.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Italian letters game: find the longest word with the drawn letters")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://letterama.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The extended description, in lines short enough for the control file; CPack puts
# the summary before it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Letterama is a letters game in Italian. Each manche draws 8, 9 or 10
letters, and the player has 30, 60 or 90 seconds, or unlimited time, to find
the longest word they spell, against three computer players of the chosen
level. A game has five manches, scored at 100 points a letter with a bonus for
a quick best word.

Words are judged in Italian, English or Latin. The game keeps a personal
vocabulary and a high-score table, and comes with an editor of its word lists,
the word harvester Gleaner and the command-line tool letterama-dict.")
# Sound playback goes through GStreamer plugins, which no library link names.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, hunspell-it")
include(CPack)
