# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages are made by help2man from each program's own --help and --version,
# so that they cannot drift from the programs; the sections a --help does not hold
# (files, see also) come from assets/packaging/man/<command>.h2m. letterama-dict's page
# also carries the --help of every one of its commands (cmake/dict_command_pages.cmake).
find_program(HELP2MAN help2man REQUIRED)

set(man_dir ${packaging_dir}/man)
set(LETTERAMA_RELEASE_EPOCH 1796126400)  # 2026-12-01, the date of assets/packaging/changelog
set(manual_pages)
# Each entry: command, target, section (6 for the games, 1 for the site, which is
# not a game), install component, summary.
foreach(entry IN ITEMS
    "letterama:Letterama:6:game:gioco di lettere italiano"
    "gleaner:Gleaner:6:game:raccoglie le parole nuove di un file di testo per Letterama"
    "letterama-dict:letterama-dict:6:game:builds and inspects Letterama lexicon files"
    "letterama-site:letterama-site:1:site:il sito di Letterama, con la tabella dei record e le parole mancanti")
  string(REPLACE ":" ";" entry ${entry})
  list(GET entry 0 command)
  list(GET entry 1 program)
  list(GET entry 2 section)
  list(GET entry 3 component)
  list(GET entry 4 summary)
  set(includes --include=${packaging_source}/man/${command}.h2m)
  set(extra_commands)
  set(extra_depends)
  if(command STREQUAL "letterama-dict")
    set(command_pages ${man_dir}/letterama-dict-commands.h2m)
    set(extra_commands COMMAND ${CMAKE_COMMAND} -DDICT=$<TARGET_FILE:letterama-dict> -DOUTPUT=${command_pages}
      -P ${CMAKE_CURRENT_LIST_DIR}/dict_command_pages.cmake)
    list(APPEND includes --include=${command_pages})
    set(extra_depends ${CMAKE_CURRENT_LIST_DIR}/dict_command_pages.cmake)
  endif()
  # The page's date is the release's (the changelog's latest entry), so that the page is
  # the same on every build. help2man runs the program in the locale --locale names and
  # writes the page in that locale's encoding: in its default "C" every accented letter
  # of the Italian texts would become "?", so both are UTF-8.
  set(page ${man_dir}/${command}.${section})
  add_custom_command(OUTPUT ${page} ${page}.gz
    ${extra_commands}
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${LETTERAMA_RELEASE_EPOCH} LC_ALL=C.UTF-8
      ${HELP2MAN} --no-info --locale=C.UTF-8 --section=${section} --name=${summary} ${includes} --output=${page}
      $<TARGET_FILE:${program}>
    COMMAND gzip -9nkf ${page}
    DEPENDS ${program} ${packaging_source}/man/${command}.h2m ${extra_depends}
    COMMENT "Manual page: ${command}.${section}"
    VERBATIM)
  list(APPEND manual_pages ${page}.gz)
  install(FILES ${page}.gz DESTINATION share/man/man${section} COMPONENT ${component})
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${manual_pages})
