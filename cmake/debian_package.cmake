# SPDX-License-Identifier: GPL-3.0-or-later
# cpack -G DEB in the build folder makes two packages from the install components
# (cmake/install.cmake) that lintian accepts:
#   letterama       the game, Gleaner, letterama-dict and their data (component game)
#   letterama-site  the web site, its service and its maintainer scripts (component site)
# The programs are stripped at package time (the build keeps its debug information);
# each package depends on the libraries its own programs link, as dpkg-shlibdeps
# (package dpkg-dev) finds them, so the game pulls in no HTTP server or SQL library.
# lintian --pedantic finds no error, warning or pedantic tag; the info tags it keeps:
#   arch-dep-package-has-big-usr-share  the lexicons are most of the game's package;
#       a third, architecture-independent data package would be needed to avoid it.
#   package-contains-documentation-outside-usr-share-doc  Letterama.htm and
#       REGPAROL.TXT are files the game reads (its help page, its word rules).
#   package-supports-alternative-init-but-no-init.d-script  the site's service
#       relies on systemd (its state folder, its sandbox); there is no sysvinit script.
set(CPACK_PACKAGE_NAME letterama)
set(CPACK_PACKAGE_VENDOR "Letterama")
set(CPACK_PACKAGE_CONTACT "${LETTERAMA_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${LETTERAMA_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game site)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_GAME_PACKAGE_NAME letterama)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
# The extended description, in lines short enough for the control file; CPack puts
# the summary before it and marks the empty line.
set(CPACK_DEBIAN_GAME_DESCRIPTION "Italian letters game: find the longest word with the drawn letters
Letterama is a letters game in Italian. Each manche draws 8, 9 or 10
letters, and the player has 30, 60 or 90 seconds, or unlimited time, to find
the longest word they spell, against three computer players of the chosen
level. A game has five manches, scored at 100 points a letter with a bonus for
a quick best word.

Words are judged in Italian, English or Latin. The game keeps a personal
vocabulary and a high-score table, and comes with an editor of its word lists,
the word harvester Gleaner and the command-line tool letterama-dict.")
# Sound playback goes through GStreamer plugins, which no library link names.
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, hunspell-it")

set(CPACK_DEBIAN_SITE_PACKAGE_NAME letterama-site)
set(CPACK_DEBIAN_SITE_PACKAGE_SECTION web)
set(CPACK_DEBIAN_SITE_DESCRIPTION "web site of the letters game Letterama: records and missing words
letterama-site serves the site the game Letterama talks to: the world record
table, the record page the game opens, the list of missing words that the
dictionary editor downloads and players add to, and the update notice the game
reads at start-up. It keeps its data in SQLite or PostgreSQL, and comes with a
systemd service that runs it as its own system user behind a local web server.")
# The postinst makes the system user with adduser. The game's lexicons are what the
# site judges reported words with, when its data folder holds none of its own.
set(CPACK_DEBIAN_SITE_PACKAGE_DEPENDS "adduser")
set(CPACK_DEBIAN_SITE_PACKAGE_RECOMMENDS "letterama (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_SITE_PACKAGE_CONTROL_EXTRA
  ${PROJECT_SOURCE_DIR}/assets/packaging/site/postinst
  ${PROJECT_SOURCE_DIR}/assets/packaging/site/prerm
  ${PROJECT_SOURCE_DIR}/assets/packaging/site/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
