# SPDX-License-Identifier: GPL-3.0-or-later
# Installing lays the programs out as Debian lays out games:
#   games/                      letterama, gleaner, letterama-dict
#   share/games/letterama/      every data file they read, and the install's marker
#   share/applications, share/metainfo, share/icons, share/man/man6, share/doc/letterama
# The marker tells the programs that they run from an installed copy: whoever runs
# them, they keep what they write in the user's data folder and never touch the tree.
# (The site program letterama-site installs to games/ too, with a rule of its own.)

set(LETTERAMA_GAMES_DIR games)
set(LETTERAMA_DATA_DIR share/games/letterama)
set(LETTERAMA_DOC_DIR share/doc/letterama)
file(RELATIVE_PATH data_from_programs /${LETTERAMA_GAMES_DIR} /${LETTERAMA_DATA_DIR})
target_compile_definitions(platform_core PRIVATE LETTERAMA_DATA_FROM_PROGRAMS="${data_from_programs}")
target_compile_definitions(Gleaner PRIVATE LETTERAMA_VERSION="${PROJECT_VERSION}")
target_compile_definitions(letterama_dict_core PRIVATE LETTERAMA_VERSION="${PROJECT_VERSION}")
target_compile_definitions(site_server PRIVATE LETTERAMA_VERSION="${PROJECT_VERSION}")

set(packaging_source ${PROJECT_SOURCE_DIR}/assets/packaging)
set(packaging_dir ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${packaging_dir}/man)

# The programs under their commands' names. A stripping install (cmake --install
# --strip, and the package) drops their symbols and debug information as dh_strip does.
set(LETTERAMA_COMMANDS letterama:Letterama gleaner:Gleaner letterama-dict:letterama-dict)
foreach(pair IN LISTS LETTERAMA_COMMANDS)
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 command)
  list(GET pair 1 program)
  install(PROGRAMS $<TARGET_FILE:${program}> DESTINATION ${LETTERAMA_GAMES_DIR} RENAME ${command})
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${LETTERAMA_GAMES_DIR}/${command}\" COMMAND_ERROR_IS_FATAL ANY)
  endif()")
endforeach()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/program_folder/ DESTINATION ${LETTERAMA_DATA_DIR})
file(WRITE ${packaging_dir}/letterama-installed
  "This folder belongs to an installed copy of Letterama: the programs keep what they\n"
  "write in the user's data folder (~/.local/share/letterama), never here.\n")
install(FILES ${packaging_dir}/letterama-installed DESTINATION ${LETTERAMA_DATA_DIR})

set(desktop_dir ${PROJECT_SOURCE_DIR}/assets/desktop)
install(FILES ${desktop_dir}/org.example.letterama.desktop ${desktop_dir}/org.example.letterama.gleaner.desktop
  DESTINATION share/applications)
install(FILES ${desktop_dir}/org.example.letterama.metainfo.xml DESTINATION share/metainfo)
foreach(size IN ITEMS 16 24 32 48 64 128 256)
  install(FILES ${desktop_dir}/icons/${size}x${size}/letterama.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

# Documentation: the licence and the sources of the data (DEP-5), the credits, the
# changelog, the README and a picture of the board.
add_custom_command(OUTPUT ${packaging_dir}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${packaging_source}/changelog ${packaging_dir}/changelog
  COMMAND gzip -9nf ${packaging_dir}/changelog
  DEPENDS ${packaging_source}/changelog
  COMMENT "Packaging: changelog.gz")
add_custom_target(packaging_changelog ALL DEPENDS ${packaging_dir}/changelog.gz)
install(FILES ${packaging_source}/copyright ${PROJECT_SOURCE_DIR}/CREDITS ${packaging_dir}/changelog.gz
  ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${LETTERAMA_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/board-style-2.png DESTINATION ${LETTERAMA_DOC_DIR}/screenshots)

include(${CMAKE_CURRENT_LIST_DIR}/manual_pages.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/debian_package.cmake)
