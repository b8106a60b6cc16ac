# Installs the build into WORK/usr as a distribution's package would and checks that a desktop
# finds everything there: the program, its entry, its icon at every size and its metainfo, and
# that they name one another rightly.
#   cmake -DBUILD=<build dir> -DWORK=<scratch dir> -DAPP_ID=<application id> -P check_install.cmake
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/usr)
run(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})
expect_files(${prefix})
expect_icon_sizes(${prefix})

# The entry starts the installed program and shows the installed icon.
set(entry ${prefix}/share/applications/${APP_ID}.desktop)
file(STRINGS ${entry} Exec REGEX "^Exec=")
file(STRINGS ${entry} Icon REGEX "^Icon=")
if(NOT Exec MATCHES "^Exec=([^ ]+)" OR NOT EXISTS ${prefix}/bin/${CMAKE_MATCH_1})
    fail("the desktop entry's ${Exec} does not start bin/rakamlik")
endif()
if(NOT Icon STREQUAL "Icon=${APP_ID}")
    fail("the desktop entry's ${Icon} is not the installed icon ${APP_ID}")
endif()

# The metainfo's program is the installed one; validate-tree checks that its launchable names
# the installed entry.
file(READ ${prefix}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<binary>([^<]+)</binary>" OR NOT EXISTS ${prefix}/bin/${CMAKE_MATCH_1})
    fail("the metainfo does not provide bin/rakamlik")
endif()
run(COMMAND appstreamcli validate-tree --no-net ${WORK})

file(REMOVE_RECURSE ${WORK})
