# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop integration: the entry and the metainfo pass their validators, an installation puts
# every file where a desktop looks for it, and the Debian package holds exactly that installation.
#   cmake -DBUILD=<build dir> -DSOURCE=<source dir> -DAPP_ID=<application id>
#         -DVERSION=<project version> -DCPACK=<cpack> -DWORK=<scratch dir> -DPACKAGE=ON|OFF
#         -P desktop.cmake
# PACKAGE=OFF leaves out the package (the sanitizer build is not what anyone ships); with it, the
# package is built a second time, which takes most of the time. The validators come from
# desktop-file-utils and appstream, the package checks need dpkg-dev and file, and diffoscope
# shows how two packages differ; tools/dev installs them.
#
# Each check runs in a `cmake -P` of its own (this script again, with CHECK set), so that one
# failing does not hide the others; its scratch directory is WORK/<check>. WORK is emptied at the
# start and removed at the end, pass or fail.

if(NOT DEFINED CHECK)
    foreach(var IN ITEMS BUILD SOURCE APP_ID VERSION CPACK WORK PACKAGE)
        list(APPEND defines "-D${var}=${${var}}")
    endforeach()
    set(checks entry install)
    if(PACKAGE)
        list(APPEND checks package)
    endif()

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

# Runs a command that must succeed within two minutes (or TIMEOUT seconds); its output (stdout and
# stderr) goes into the OUTPUT variable when one is given.
function(run)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "OUTPUT;TIMEOUT" "COMMAND")
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 120)
    endif()
    execute_process(COMMAND ${arg_COMMAND} RESULT_VARIABLE result OUTPUT_VARIABLE out
                    ERROR_VARIABLE out TIMEOUT ${arg_TIMEOUT})
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
    share/doc/rakamlik/changelog.gz
    share/doc/rakamlik/copyright
    share/lintian/overrides/rakamlik
    share/man/man6/rakamlik.6.gz
    share/man/tr/man6/rakamlik.6.gz
    share/metainfo/${APP_ID}.metainfo.xml)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    list(APPEND expected_files share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT expected_files)

# The files (not directories) under root, relative to it and sorted.
function(files_under root out_var)
    file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
    list(SORT found)
    set(${out_var} "${found}" PARENT_SCOPE)
endfunction()

function(expect_files root)
    files_under(${root} found)
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

# ---- The Debian package holds exactly the installation -------------------------------------------

elseif(CHECK STREQUAL "package")
    # Its control fields and its files, under /usr and nothing else. lintian, below, also fails
    # it for a malformed maintainer, an empty description, or a program unstripped or with a run
    # path.
    run(COMMAND ${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${work})
    run(COMMAND dpkg --print-architecture OUTPUT arch)
    string(STRIP "${arch}" arch)
    set(deb ${work}/rakamlik_${VERSION}_${arch}.deb)
    if(NOT EXISTS ${deb})
        file(GLOB debs ${work}/*.deb)
        fail("cpack wrote '${debs}' instead of ${deb}")
    endif()

    function(expect_field field pattern)
        run(COMMAND dpkg-deb -f ${deb} ${field} OUTPUT value)
        string(STRIP "${value}" value)
        if(NOT value MATCHES "${pattern}")
            fail("the package's ${field} is '${value}', which does not match '${pattern}'")
        endif()
    endfunction()
    # Its name, version and architecture are in the file's name, which cpack makes of them.
    expect_field(Section "^games$")
    expect_field(Description "^[a-z].+\n .+")
    # Depends: the libraries dpkg-shlibdeps found, the faces the window is designed for and the
    # library that rings the bell on Wayland; Recommends: the sound theme of that bell.
    foreach(package IN ITEMS libc6 libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2
                             fonts-dejavu-core libcanberra0)
        expect_field(Depends "(^|, )${package}( \\(|,|$)")
    endforeach()
    expect_field(Recommends "^sound-theme-freedesktop$")

    # dpkg-deb -x needs no root: it unpacks into WORK/package/root, owned by whoever runs it.
    set(root ${work}/root)
    run(COMMAND dpkg-deb -x ${deb} ${root})
    files_under(${root} all)
    list(FILTER all EXCLUDE REGEX "^usr/")
    if(all)
        fail("the package installs outside /usr: ${all}")
    endif()
    expect_files(${root}/usr)

    # Debian's own judge of a package: no error and no warning, informational tags aside (those
    # judged harmless are overridden in tools/lintian-overrides, each with its reason).
    execute_process(COMMAND lintian --fail-on error,warning --info ${deb}
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out TIMEOUT 120)
    if(NOT result EQUAL 0)
        fail("lintian finds fault with the package (${result}):\n${out}")
    endif()

    # The same sources make the same package, to the last byte: built and packed again, configured
    # as the build was but without the tests, in another directory, at another time, under another
    # umask, locale and time zone, on one job. diffoscope shows what differs. A Debug build keeps
    # its full paths for the debugger, so built elsewhere it differs by design: there is nothing
    # to compare.
    file(STRINGS ${BUILD}/CMakeCache.txt cache
         REGEX "^CMAKE_(GENERATOR|BUILD_TYPE|CXX_COMPILER|CXX_FLAGS):[A-Z]+=")
    if(cache MATCHES "CMAKE_BUILD_TYPE:[A-Z]+=[Dd][Ee][Bb][Uu][Gg](;|$)")
        message(STATUS "package: not built again to compare: a Debug build keeps its source and "
                       "build paths, so a build elsewhere differs by design; reproducibility is "
                       "checked in other builds")
        return()
    endif()
    list(TRANSFORM cache REPLACE "^CMAKE_GENERATOR:[A-Z]+=" "-G;")
    list(TRANSFORM cache PREPEND -D REGEX "^CMAKE_")
    set(again ${work}/again)
    # The Turkish locale, whose dotless i trips case mappings, made privately (Debian's locales).
    run(COMMAND localedef -i tr_TR -f UTF-8 ${work}/tr_TR.UTF-8)
    set(elsewhere ${CMAKE_COMMAND} -E env --unset=SOURCE_DATE_EPOCH LOCPATH=${work}
                  LC_ALL=tr_TR.UTF-8
                  TZ=Pacific/Kiritimati sh -c "umask 077 && exec \"$@\"" sh)
    run(COMMAND ${elsewhere} ${CMAKE_COMMAND} -S ${SOURCE} -B ${again} ${cache} -DBUILD_TESTING=OFF)
    run(COMMAND ${elsewhere} ${CMAKE_COMMAND} --build ${again} -j 1 TIMEOUT 300)
    run(COMMAND ${elsewhere} ${CPACK} -G DEB --config ${again}/CPackConfig.cmake -B ${again})
    set(deb_again ${again}/rakamlik_${VERSION}_${arch}.deb)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${deb} ${deb_again}
                    RESULT_VARIABLE differ)
    if(differ)
        execute_process(COMMAND diffoscope ${deb} ${deb_again} OUTPUT_VARIABLE out
                        ERROR_VARIABLE out TIMEOUT 120)
        fail("built again, the package is not the same:\n${out}")
    endif()

else()
    message(FATAL_ERROR "no desktop check is called '${CHECK}'")
endif()
