# Shared by the desktop checks, which run as `cmake -P` scripts. WORK is the check's own scratch
# directory: it is emptied at the start and removed at the end, pass or fail.

# The files an installation of the game consists of, relative to the prefix.
set(icon_sizes 16 22 24 32 48 64 128 256)
set(expected_files
    bin/rakamlik
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml)
foreach(size IN LISTS icon_sizes)
    list(APPEND expected_files share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT expected_files)

function(fail message)
    file(REMOVE_RECURSE ${WORK})
    message(FATAL_ERROR "${message}")
endfunction()

# Runs a command that must succeed; its output goes into out_var when one is given.
function(run)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "OUTPUT" "COMMAND")
    execute_process(COMMAND ${arg_COMMAND} RESULT_VARIABLE result OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        string(JOIN " " command ${arg_COMMAND})
        fail("`${command}` failed (${result}):\n${out}")
    endif()
    if(arg_OUTPUT)
        set(${arg_OUTPUT} "${out}" PARENT_SCOPE)
    endif()
endfunction()

# The files (not directories) under root, relative to it and sorted.
function(files_under root out_var)
    file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
    list(SORT found)
    set(${out_var} "${found}" PARENT_SCOPE)
endfunction()

function(expect_files root)
    files_under(${root} found)
    if(NOT found STREQUAL expected_files)
        string(REPLACE ";" "\n  " found "${found}")
        string(REPLACE ";" "\n  " expected "${expected_files}")
        fail("${root} holds\n  ${found}\ninstead of\n  ${expected}")
    endif()
endfunction()

# Every icon is a PNG file of the size its directory names: width and height from the IHDR chunk.
function(expect_icon_sizes root)
    foreach(size IN LISTS icon_sizes)
        set(png ${root}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
        file(READ ${png} header LIMIT 24 HEX)
        string(SUBSTRING "${header}" 0 32 magic)
        string(SUBSTRING "${header}" 32 8 width)
        string(SUBSTRING "${header}" 40 8 height)
        if(NOT magic STREQUAL "89504e470d0a1a0a0000000d49484452")
            fail("${png} is not a PNG file")
        endif()
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT width EQUAL size OR NOT height EQUAL size)
            fail("${png} is ${width}x${height} pixels")
        endif()
    endforeach()
endfunction()
