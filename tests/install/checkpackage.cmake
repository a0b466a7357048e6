# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DBUILD_DIR=... -DWORK=... -DAPP_ID=... -P checkpackage.cmake
# Builds the Debian package as `make package` does, into WORK, and reads it as a Debian
# maintainer would: lintian must print no error and no warning; the program is in
# /usr/games and the desktop entry runs it from there.

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
