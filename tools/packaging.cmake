# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the game: `cpack -G DEB` in the build directory writes
# rakamlik_<version>_<arch>.deb. It holds the install component Runtime only (the program, its
# desktop entry, icons and AppStream metainfo), never the tests, the benchmarks or anything that
# another project's install rules would add, and installs under /usr.

set(CPACK_PACKAGE_NAME rakamlik)
set(CPACK_PACKAGE_VENDOR "Rakamlik developers")
# A placeholder until the project has a real address.
set(CPACK_PACKAGE_CONTACT "Rakamlik developers <rakamlik@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-guessing game: find the four-digit secret")
# Debian's extended description: lines under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
The computer hides four different digits and you guess them, with the mouse,
on one small window. Every guess tells you how many of its digits stand in
the right place and how many are in the secret at another place. A dial
counts your guesses, a ledger keeps the last ten, and a won game is rated by
the number of guesses it took. The game is in Turkish.]])

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Runtime;/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# The package's documentation, as Debian's policy asks: the licence in the machine-readable
# copyright format, and a changelog for this version, dated with the release.
include(GNUInstallDirs)
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND date -u -R -d @${RAKAMLIK_SOURCE_DATE_EPOCH} OUTPUT_VARIABLE released
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${PROJECT_BINARY_DIR}/changelog
"rakamlik (${PROJECT_VERSION}) unstable; urgency=medium

  * Release ${PROJECT_VERSION}.

 -- ${CPACK_PACKAGE_CONTACT}  ${released}
")
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
    COMMAND ${GZIP} -9nc ${PROJECT_BINARY_DIR}/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
    DEPENDS ${PROJECT_BINARY_DIR}/changelog VERBATIM)
add_custom_target(rakamlik_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/tools/copyright ${PROJECT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT Runtime)
# The informational tags lintian may give that are judged harmless, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/tools/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME rakamlik COMPONENT Runtime)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The architecture is the one `dpkg --print-architecture` names (CPack's default). The libraries
# come from dpkg-shlibdeps (it needs dpkg-dev and file); the faces the window is designed for
# are loaded by name, and libcanberra (the bell on Wayland) is loaded at the first bell, so no
# linker sees them. The bell's sound comes from the freedesktop sound theme.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, libcanberra0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS sound-theme-freedesktop)

# The same sources make the same package, whenever, wherever and by whomever it is made: cpack
# dates its archives and every file in them with the release's time, and the directories it
# installs and the archive's members have the same modes under any umask.
file(WRITE ${PROJECT_BINARY_DIR}/CPackTime.cmake
     "set(ENV{SOURCE_DATE_EPOCH} ${RAKAMLIK_SOURCE_DATE_EPOCH})\n")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackTime.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/tools/deb-modes.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/tools/deb-modes.cmake)

# `cpack --config CPackSourceConfig.cmake`: the sources, without build directories or Git's.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/")

include(CPack)
