# SPDX-License-Identifier: GPL-3.0-or-later
# Runs picgen again into OUT and checks that it writes the same files as the build did into
# EXPECTED, byte for byte: the backdrop's random mottle included, nothing may vary between runs.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${PICGEN} ${OUT} COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE files RELATIVE ${EXPECTED} ${EXPECTED}/*)
file(GLOB_RECURSE again RELATIVE ${OUT} ${OUT}/*)
if(NOT files STREQUAL again)
    message(FATAL_ERROR "picgen wrote other files this time:\n${again}\ninstead of\n${files}")
endif()
foreach(file IN LISTS files)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED}/${file} ${OUT}/${file}
                    RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${file} differs from the build's copy")
    endif()
endforeach()
