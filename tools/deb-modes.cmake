# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack before and after it writes the package (packaging.cmake), so that the package comes
# out the same under any umask, as dpkg-deb's would: what cpack itself creates takes its mode from
# the umask.
if(NOT DEFINED CPACK_PACKAGE_FILES)
    # Before: the directories of the installation it packs get 0755. The install rules give the
    # files their modes, but CMake creates directories as the umask lets it.
    file(CHMOD_RECURSE ${CPACK_TEMPORARY_DIRECTORY} DIRECTORY_PERMISSIONS
         OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    return()
endif()

# After: a .deb is an ar archive of debian-binary, control.tar.gz and data.tar.gz, whose headers
# (60 bytes each: the mode at 40, the size at 48) cpack fills with the modes of its temporary files,
# where dpkg-deb always writes 100644. That is written over them.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(mode ${deb}.mode)
    file(WRITE ${mode} "100644  ")
    file(SIZE ${deb} end)
    set(header 8) # after the archive's magic, "!<arch>\n"
    while(header LESS end)
        file(READ ${deb} size OFFSET ${header} LIMIT 58)
        string(SUBSTRING "${size}" 48 10 size)
        string(STRIP "${size}" size)
        if(NOT size MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${deb} has no ar member header at byte ${header}")
        endif()
        math(EXPR at "${header} + 40")
        execute_process(COMMAND dd of=${deb} bs=1 seek=${at} conv=notrunc status=none
                        INPUT_FILE ${mode} COMMAND_ERROR_IS_FATAL ANY)
        # Members start at even offsets.
        math(EXPR header "${header} + 60 + ${size} + ${size} % 2")
    endwhile()
    file(REMOVE ${mode})
endforeach()
