# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DBUILD_DIR=... -DWORK=... -DAPP_ID=... -P checkpackage.cmake
# Builds the Debian package as `make package` does, into WORK, and reads it as a Debian
# maintainer would: lintian must print no error and no warning; the program is in
# /usr/games and the desktop entry runs it from there; every other file is the one a plain
# installation puts in the same place.

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

find_program(LINTIAN lintian)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT LINTIAN OR NOT DPKG_SHLIBDEPS)
    fail("lintian or dpkg-shlibdeps missing: install lintian and dpkg-dev")
endif()
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK}"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB packages "${WORK}/zelbo_*.deb")
list(LENGTH packages count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    fail("cpack made ${count} packages:\n${out}")
endif()

execute_process(COMMAND dpkg-deb --contents ${packages} OUTPUT_VARIABLE contents
    COMMAND_ERROR_IS_FATAL ANY)
if(NOT contents MATCHES " \\./usr/games/zelbo\n" OR contents MATCHES "/bin/zelbo\n")
    fail("the program is not in /usr/games alone:\n${contents}")
endif()
# The same files as a plain installation, the program aside: a file installed under a
# component of its own would be missing from the package.
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK}/plain/usr"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE plain_files RELATIVE "${WORK}/plain" "${WORK}/plain/*")
list(TRANSFORM plain_files REPLACE "^usr/bin/zelbo$" "usr/games/zelbo")
string(REGEX MATCHALL " \\./[^\n]*[^/]\n" packed_files "${contents}")
list(TRANSFORM packed_files REPLACE "^ \\./(.*)\n$" "\\1")
list(SORT plain_files)
list(SORT packed_files)
if(NOT plain_files STREQUAL packed_files)
    set(only_plain ${plain_files})
    list(REMOVE_ITEM only_plain ${packed_files})
    set(only_packed ${packed_files})
    list(REMOVE_ITEM only_packed ${plain_files})
    fail("installed but not packed: ${only_plain}\npacked but not installed: ${only_packed}")
endif()
foreach(file usr/share/doc/zelbo/changelog.gz usr/share/doc/zelbo/copyright
             usr/share/man/man6/zelbo.6.gz usr/share/man/es/man6/zelbo.6.gz)
    if(NOT contents MATCHES " \\./${file}\n")
        fail("the package holds no ${file}")
    endif()
endforeach()
execute_process(COMMAND dpkg-deb --fsys-tarfile ${packages}
    COMMAND tar -xO ./usr/share/applications/${APP_ID}.desktop
    OUTPUT_VARIABLE entry COMMAND_ERROR_IS_FATAL ANY)
if(NOT entry MATCHES "\nExec=/usr/games/zelbo\n")
    fail("the package's desktop entry does not run /usr/games/zelbo:\n${entry}")
endif()

# Informational tags may stay; they are printed for the record.
execute_process(COMMAND ${LINTIAN} --display-info --pedantic ${packages}
    RESULT_VARIABLE result OUTPUT_VARIABLE tags ERROR_VARIABLE errors)
message(STATUS "lintian:\n${tags}")
if("\n${tags}" MATCHES "\n[EW]: ")
    fail("lintian reports errors or warnings:\n${tags}")
endif()
if(NOT result EQUAL 0)
    fail("lintian failed (${result}):\n${errors}")
endif()
