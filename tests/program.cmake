# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a shell starts it:
#   cmake -DPROGRAM=<path of rakamlik> -DVERSION=<version> -DFONTS=<fontconfig file with DejaVu
#         only> -P program.cmake
# Without a graphical session it says so in one line and ends with status 1, without aborting.
# --help and --version answer without a display; an option the game does not know, or an argument
# it does not take, is refused in one line with status 2, before it looks for a display.
# A designed face the system lacks is named at start-up, once, with the Debian package that
# brings it, and the game plays on; with every face there, it warns of none. A platform chosen on
# the command line is Qt's to reach, display or not.

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${PROGRAM} -style Fusion # an option, but not a platform
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
string(STRIP "${err}" err)
string(REGEX MATCHALL "\n" newlines "${err}")
if(NOT status STREQUAL "1" OR NOT out STREQUAL "" OR newlines
   OR NOT err MATCHES "no graphical session" OR NOT err MATCHES "DISPLAY.*WAYLAND_DISPLAY")
    message(FATAL_ERROR "without a display: status ${status}, output '${out}', errors:\n${err}")
endif()

# Each argument with the status, output and errors it must give: --help and --version answer;
# Qt's own options pass on to where the program looks for a display; anything else is refused
# before that.
set(usage "^(rakamlik ${VERSION}\n|Usage: .*--help.*--version.*)$")
cmake_policy(SET CMP0007 NEW) # an empty field is a field
# (The errors are patterns too, their semicolon a dot: a list can't hold one.)
foreach(case IN ITEMS "--version@0@${usage}@^$" "--help@0@${usage}@^$"
                      "--verison@2@^$@^rakamlik: unknown option 'verison'. see 'rakamlik --help'\n$"
                      "foo@2@^$@^rakamlik: unexpected argument 'foo'. see 'rakamlik --help'\n$"
                      "-platform@2@^$@^rakamlik: missing value after '-platform'. see"
                      "-platform=xcb@2@^$@^rakamlik: write '-platform xcb', not '-platform=xcb'. see"
                      "-reverse@1@^$@^rakamlik: no graphical session" # Qt's, for Qt to take
                      "--style=fusion@1@^$@^rakamlik: no graphical session")
    string(REPLACE "@" ";" case "${case}")
    list(GET case 0 argument)
    list(GET case 1 expected_status)
    list(GET case 2 expected_out)
    list(GET case 3 expected_err)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM ${PROGRAM} ${argument}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
    if(NOT status STREQUAL expected_status OR NOT out MATCHES "${expected_out}"
       OR NOT err MATCHES "${expected_err}")
        message(FATAL_ERROR "${argument}: status ${status}, output:\n${out}\nerrors:\n${err}")
    endif()
endforeach()

function(start_up fontconfig out_var)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                --unset=QT_QPA_PLATFORM ${fontconfig} ${PROGRAM} -platform offscreen
        RESULT_VARIABLE status ERROR_VARIABLE err TIMEOUT 5)
    if(NOT status MATCHES "timeout")
        message(FATAL_ERROR "the game ended by itself (${status}):\n${err}")
    endif()
    string(REGEX MATCHALL "rakamlik: [^\n]*" warnings "${err}")
    set(${out_var} "${warnings}" PARENT_SCOPE)
endfunction()

start_up("FONTCONFIG_FILE=${FONTS}" warnings)
set(missing
    "rakamlik: the font \"Liberation Sans\" is missing, so some texts may not fit; install the Debian package fonts-liberation2"
    "rakamlik: the font \"Liberation Serif\" is missing, so some texts may not fit; install the Debian package fonts-liberation2")
if(NOT warnings STREQUAL missing)
    message(FATAL_ERROR "without the Liberation faces the game warned:\n${warnings}")
endif()
start_up("--unset=FONTCONFIG_FILE" warnings)
if(warnings)
    message(FATAL_ERROR "with every face installed the game warned:\n${warnings}")
endif()
