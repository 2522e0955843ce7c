# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DDICT=<letterama-dict> -DOUTPUT=<file> -P dict_command_pages.cmake
# Writes a help2man include with the --help of every command that letterama-dict's own
# --help lists, so that its manual page documents every argument of every command.
execute_process(COMMAND ${DICT} --help OUTPUT_VARIABLE overview COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\n  [a-z][a-z-]*" names "${overview}")
set(page "[COMMAND ARGUMENTS]\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  execute_process(COMMAND ${DICT} ${name} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
  # Text for roff: a backslash is written \e, and a line may not start with a control character.
  string(REPLACE "\\" "\\e" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  string(APPEND page ".SS ${name}\n.nf\n${help}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${page}")
