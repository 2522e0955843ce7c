# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD=<build folder> -DPREFIX=<folder> -P install_tree.cmake
# A fresh installed copy for the installed-copy tests.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
