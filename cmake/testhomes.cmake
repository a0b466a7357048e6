# SPDX-License-Identifier: GPL-3.0-or-later

# The tests' own homes, run by CTest as
#   cmake -DMODE=setup|check -DHOMES=<folder> -DNAMES=<file> -DCONFIGURED_HOME=<path> -P testhomes.cmake
#   setup  empties HOMES, makes each test's home and XDG folders in it (the runtime folder
#          with mode 0700, as the XDG rules want it), and notes every file of the game in
#          the real home
#   check  fails when the real home's files of the game differ from the note: a test
#          wrote where the player keeps the game's files
# The real home is the one CTest runs in and the one CMake was configured in, when they
# differ (CI often runs both as root, HOME=/root); in each, the game's folders under the XDG
# folders the environment names or their defaults, and Qt Test's own ~/.qttest.

set(NOTE ${HOMES}/real-home.txt)

function(game_folders out)
    set(folders "")
    set(homes "$ENV{HOME}" "${CONFIGURED_HOME}")
    list(REMOVE_DUPLICATES homes)
    foreach(home IN LISTS homes)
        if(home STREQUAL "")
            continue()
        endif()
        list(APPEND folders ${home}/.config ${home}/.local/share ${home}/.cache
             ${home}/.local/state ${home}/.qttest)
    endforeach()
    foreach(variable XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME)
        if(NOT "$ENV{${variable}}" STREQUAL "")
            list(APPEND folders "$ENV{${variable}}")
        endif()
    endforeach()
    list(REMOVE_DUPLICATES folders)
    set(${out} ${folders} PARENT_SCOPE)
endfunction()

# One line per file or folder of the game: its path, size, time and digest.
function(note_of out)
    game_folders(folders)
    set(entries "")
    foreach(folder IN LISTS folders)
        if(folder MATCHES "/\\.qttest$")
            file(GLOB_RECURSE found LIST_DIRECTORIES true "${folder}/*")
            list(FILTER found INCLUDE REGEX "[zZ][eE][lL][bB][oO]")
        else()
            file(GLOB tops LIST_DIRECTORIES true "${folder}/*[zZ][eE][lL][bB][oO]*")
            set(found ${tops})
            foreach(top IN LISTS tops)
                if(IS_DIRECTORY "${top}")
                    file(GLOB_RECURSE inside LIST_DIRECTORIES true "${top}/*")
                    list(APPEND found ${inside})
                endif()
            endforeach()
        endif()
        list(APPEND entries ${found})
    endforeach()
    list(REMOVE_DUPLICATES entries)
    list(SORT entries)
    set(lines "")
    foreach(entry IN LISTS entries)
        if(IS_DIRECTORY "${entry}")
            string(APPEND lines "${entry}/\n")
            continue()
        endif()
        file(SIZE "${entry}" size)
        file(TIMESTAMP "${entry}" time "%s" UTC)
        set(digest unreadable)
        if(size LESS 10000000)
            file(SHA256 "${entry}" digest)
        endif()
        string(APPEND lines "${entry} ${size} ${time} ${digest}\n")
    endforeach()
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "setup")
    file(REMOVE_RECURSE "${HOMES}")
    file(STRINGS "${NAMES}" names)
    foreach(name IN LISTS names)
        set(home ${HOMES}/${name})
        file(MAKE_DIRECTORY ${home}/.config ${home}/.local/share ${home}/.cache
             ${home}/.local/state ${home}/runtime)
        file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    endforeach()
    note_of(note)
    file(WRITE "${NOTE}" "${note}")
elseif(MODE STREQUAL "check")
    if(NOT EXISTS "${NOTE}")
        message(FATAL_ERROR "No note of the real home: zelbo_test_homes_setup did not run")
    endif()
    file(READ "${NOTE}" before)
    note_of(after)
    if(NOT before STREQUAL after)
        file(WRITE "${HOMES}/real-home-after.txt" "${after}")
        message(FATAL_ERROR "A test wrote the game's files into the real home.\n"
            "Before the tests:\n${before}\nAfter them:\n${after}")
    endif()
else()
    message(FATAL_ERROR "MODE must be setup or check, not '${MODE}'")
endif()
