# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop integration: the entry and the metainfo pass their validators, and an installation
# puts every file where a desktop looks for it.
#   cmake -DBUILD=<build dir> -DSOURCE=<source dir> -DAPP_ID=<application id> -DWORK=<scratch dir>
#         -P desktop.cmake
# The validators come from desktop-file-utils and appstream. The Debian package is built and
# judged outside the tests, by Debian's own tools (`tools/dev debian`, docs/packaging.md): a
# package build runs these tests, so they never build a package themselves.
#
# Each check runs in a `cmake -P` of its own (this script again, with CHECK set), so that one
# failing does not hide the others; its scratch directory is WORK/<check>. WORK is emptied at the
# start and removed at the end, pass or fail.

if(NOT DEFINED CHECK)
    foreach(var IN ITEMS BUILD SOURCE APP_ID WORK)
        list(APPEND defines "-D${var}=${${var}}")
    endforeach()
    set(checks entry install)

    file(REMOVE_RECURSE ${WORK})
    set(failed "")
    foreach(check IN LISTS checks)
        execute_process(COMMAND ${CMAKE_COMMAND} ${defines} -DCHECK=${check}
                                -P ${CMAKE_CURRENT_LIST_FILE}
                        RESULT_VARIABLE result)
        message(STATUS "${check}: ${result}") # 0 when it passed
        if(NOT result EQUAL 0)
            list(APPEND failed ${check})
        endif()
    endforeach()
    file(REMOVE_RECURSE ${WORK})
    if(failed)
        string(JOIN ", " failed ${failed})
        message(FATAL_ERROR "desktop checks failed: ${failed} (their messages are above)")
    endif()
    return()
endif()

# ---- Helpers for the checks ----------------------------------------------------------------------

set(work ${WORK}/${CHECK})

function(fail message)
    message(FATAL_ERROR "${CHECK}: ${message}")
endfunction()

# Runs a command that must succeed within two minutes; its output (stdout and stderr) goes into
# the OUTPUT variable when one is given.
function(run)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "OUTPUT" "COMMAND")
    execute_process(COMMAND ${arg_COMMAND} RESULT_VARIABLE result OUTPUT_VARIABLE out
                    ERROR_VARIABLE out TIMEOUT 120)
    if(NOT result EQUAL 0)
        string(JOIN " " command ${arg_COMMAND})
        fail("`${command}` failed (${result}):\n${out}")
    endif()
    if(arg_OUTPUT)
        set(${arg_OUTPUT} "${out}" PARENT_SCOPE)
    endif()
endfunction()

# The files an installation of the game consists of, relative to the prefix.
set(expected_files
    games/rakamlik
    share/applications/${APP_ID}.desktop
    share/man/man6/rakamlik.6.gz
    share/man/tr/man6/rakamlik.6.gz
    share/metainfo/${APP_ID}.metainfo.xml)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    list(APPEND expected_files share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT expected_files)

# The files (not directories) under root are exactly those.
function(expect_files root)
    file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
    list(SORT found)
    if(NOT found STREQUAL expected_files)
        set(missing ${expected_files})
        set(unexpected ${found})
        list(REMOVE_ITEM missing "" ${found})
        list(REMOVE_ITEM unexpected "" ${expected_files})
        fail("${root} is not the installation the game consists of:\n  missing: ${missing}\n"
             "  unexpected: ${unexpected}")
    endif()
endfunction()

# ---- The desktop entry passes desktop-file-validate ----------------------------------------------

if(CHECK STREQUAL "entry")
    # It exits 0 on warnings and hints (a missing main category is only a hint), which must fail
    # as well.
    set(games /usr/games)
    set(entry ${work}/${APP_ID}.desktop)
    configure_file(${SOURCE}/app/${APP_ID}.desktop.in ${entry} @ONLY)
    run(COMMAND desktop-file-validate ${entry} OUTPUT out)
    if(out MATCHES "(error|warning|hint): ")
        fail("desktop-file-validate finds fault with ${entry}:\n${out}")
    endif()

# ---- An installation has every file where a desktop looks for it ---------------------------------

elseif(CHECK STREQUAL "install")
    # Installed into WORK/install/usr as a distribution's package would: the program, its entry,
    # its icon at every size and its metainfo, and they name one another rightly.
    set(prefix ${work}/usr)
    run(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})
    # Every icon in place; tst_pictures checks that picgen drew each at its size.
    expect_files(${prefix})

    # The entry starts the installed program and shows the installed icon, and the metainfo
    # provides that program; validate-tree validates the metainfo and checks that its launchable
    # names the installed entry.
    file(STRINGS ${prefix}/share/applications/${APP_ID}.desktop entry REGEX "^(Exec|Icon)=")
    if(NOT entry MATCHES "^Exec=([^;]*);Icon=${APP_ID}$"
       OR NOT CMAKE_MATCH_1 STREQUAL "${prefix}/games/rakamlik")
        fail("the desktop entry's '${entry}' do not start games/rakamlik with its icon")
    endif()
    file(READ ${prefix}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
    string(FIND "${metainfo}" "<binary>rakamlik</binary>" binary)
    if(binary LESS 0)
        fail("the metainfo does not provide the program rakamlik")
    endif()
    run(COMMAND appstreamcli validate-tree --no-net ${work})

else()
    message(FATAL_ERROR "no desktop check is called '${CHECK}'")
endif()
