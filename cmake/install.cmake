# SPDX-License-Identifier: GPL-3.0-or-later
# Installing lays the programs out as Debian lays out games and servers, in two install
# components, which cpack makes into two packages (cmake/debian_package.cmake):
#   game  games/                        letterama, gleaner, letterama-dict
#         share/games/letterama/        every data file they read, and the install's marker
#         share/applications, share/metainfo, share/icons, share/man/man6, share/doc/letterama
#   site  bin/                          letterama-site
#         lib/systemd/system/           its service
#         share/man/man1, share/doc/letterama-site
# The marker tells the programs that they run from an installed copy: whoever runs
# them, they keep what they write in the user's data folder and never touch the tree.
# A plain `cmake --install` installs both.

set(LETTERAMA_GAMES_DIR games)
set(LETTERAMA_SITE_DIR bin)
set(LETTERAMA_DATA_DIR share/games/letterama)
set(LETTERAMA_DOC_DIR share/doc/letterama)
set(LETTERAMA_SITE_DOC_DIR share/doc/letterama-site)
# Every program finds the game's data by one relative path, so the site (which reads
# the lexicons there when its own data folder holds none) must sit as deep as the games.
file(RELATIVE_PATH data_from_programs /${LETTERAMA_GAMES_DIR} /${LETTERAMA_DATA_DIR})
file(RELATIVE_PATH data_from_site /${LETTERAMA_SITE_DIR} /${LETTERAMA_DATA_DIR})
if(NOT data_from_site STREQUAL data_from_programs)
  message(FATAL_ERROR "${LETTERAMA_SITE_DIR} and ${LETTERAMA_GAMES_DIR} must reach ${LETTERAMA_DATA_DIR} alike")
endif()
target_compile_definitions(platform_core PRIVATE LETTERAMA_DATA_FROM_PROGRAMS="${data_from_programs}")

set(packaging_source ${PROJECT_SOURCE_DIR}/assets/packaging)
set(packaging_dir ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${packaging_dir}/man)

# A program under its command's name. A stripping install (cmake --install --strip,
# and the packages) drops its symbols, debug information and the .comment and .note
# sections, as dh_strip does.
function(letterama_install_program target command destination component)
  install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION ${destination} RENAME ${command} COMPONENT ${component})
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/${command}\" COMMAND_ERROR_IS_FATAL ANY)
  endif()" COMPONENT ${component})
endfunction()

letterama_install_program(Letterama letterama ${LETTERAMA_GAMES_DIR} game)
letterama_install_program(Gleaner gleaner ${LETTERAMA_GAMES_DIR} game)
letterama_install_program(letterama-dict letterama-dict ${LETTERAMA_GAMES_DIR} game)
letterama_install_program(letterama-site letterama-site ${LETTERAMA_SITE_DIR} site)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/program_folder/ DESTINATION ${LETTERAMA_DATA_DIR} COMPONENT game)
file(WRITE ${packaging_dir}/letterama-installed
  "This folder belongs to an installed copy of Letterama: the programs keep what they\n"
  "write in the user's data folder (~/.local/share/letterama), never here.\n")
install(FILES ${packaging_dir}/letterama-installed DESTINATION ${LETTERAMA_DATA_DIR} COMPONENT game)

# The desktop entries and the metadata go by the build's AppStream id (cmake/identity.cmake).
set(desktop_dir ${PROJECT_SOURCE_DIR}/assets/desktop)
configure_file(${desktop_dir}/letterama.metainfo.xml.in ${packaging_dir}/${LETTERAMA_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${desktop_dir}/letterama.desktop DESTINATION share/applications
  RENAME ${LETTERAMA_APPSTREAM_ID}.desktop COMPONENT game)
install(FILES ${desktop_dir}/gleaner.desktop DESTINATION share/applications
  RENAME ${LETTERAMA_APPSTREAM_ID}.gleaner.desktop COMPONENT game)
install(FILES ${packaging_dir}/${LETTERAMA_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo COMPONENT game)
foreach(size IN ITEMS 16 24 32 48 64 128 256)
  install(FILES ${desktop_dir}/icons/${size}x${size}/letterama.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps COMPONENT game)
endforeach()

# The site's service runs the site from where this install puts it: the unit is
# written when installing, once the prefix is known (/usr for the package).
install(CODE "set(LETTERAMA_SITE_COMMAND \"\${CMAKE_INSTALL_PREFIX}/${LETTERAMA_SITE_DIR}/letterama-site\")
  configure_file(\"${PROJECT_SOURCE_DIR}/site/letterama-site.service.in\" \"${packaging_dir}/letterama-site.service\" @ONLY)"
  COMPONENT site)
install(FILES ${packaging_dir}/letterama-site.service DESTINATION lib/systemd/system COMPONENT site)

# Documentation: the licence and the sources of the data (DEP-5), the credits, the
# changelog, the README with every picture it shows, in each package's own folder.
configure_file(${packaging_source}/copyright.in ${packaging_dir}/copyright @ONLY)
configure_file(${packaging_source}/changelog.in ${packaging_dir}/changelog @ONLY)
add_custom_command(OUTPUT ${packaging_dir}/changelog.gz
  COMMAND gzip -9nkf ${packaging_dir}/changelog
  DEPENDS ${packaging_dir}/changelog
  COMMENT "Packaging: changelog.gz")
add_custom_target(packaging_changelog ALL DEPENDS ${packaging_dir}/changelog.gz)
install(FILES ${packaging_dir}/copyright ${PROJECT_SOURCE_DIR}/CREDITS ${packaging_dir}/changelog.gz
  ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${LETTERAMA_DOC_DIR} COMPONENT game)
install(FILES ${packaging_dir}/copyright ${packaging_dir}/changelog.gz DESTINATION ${LETTERAMA_SITE_DOC_DIR}
  COMPONENT site)
# The pictures the README links (docs/...), beside it as in the source tree.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/README.md)
file(READ ${PROJECT_SOURCE_DIR}/README.md readme)
# (The matches leave out the link's "]": a list item holding a bracket would not split.)
string(REGEX MATCHALL "\\(docs/[^)]+" readme_pictures "${readme}")
list(TRANSFORM readme_pictures REPLACE "^\\(" "")
list(REMOVE_DUPLICATES readme_pictures)
foreach(picture IN LISTS readme_pictures)
  get_filename_component(picture_dir ${picture} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/${picture} DESTINATION ${LETTERAMA_DOC_DIR}/${picture_dir} COMPONENT game)
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/manual_pages.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/debian_package.cmake)
