# SPDX-License-Identifier: GPL-3.0-or-later

# Every test runs with a home of its own under the build folder: HOME and the XDG_* folders
# (the runtime folder with mode 0700), so that no test reads or writes the player's files.
# The homes are made afresh by the test zelbo_test_homes_setup before any test runs, and
# zelbo_test_homes_check, which runs after all of them, fails when the real home (the one
# CTest runs in and the one CMake was configured in) gained or changed a file of the game.
#
#   zelbo_test_home(<test>)   gives <test>, registered just before in the same folder, its
#                             home; every test must have one, which the end of each folder's
#                             lists checks (zelbo_test_homes_verify) and zelbo_test_homes_finish
#                             checks for folders that never called zelbo_test_home.

set(ZELBO_TEST_HOMES ${CMAKE_BINARY_DIR}/tests/homes)
set(ZELBO_TEST_HOMES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/testhomes.cmake)
set(ZELBO_TEST_HOMES_FIXTURE zelbo_test_homes)

function(zelbo_test_home name)
    set(home ${ZELBO_TEST_HOMES}/${name})
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
        HOME=${home}
        XDG_CONFIG_HOME=${home}/.config
        XDG_DATA_HOME=${home}/.local/share
        XDG_CACHE_HOME=${home}/.cache
        XDG_STATE_HOME=${home}/.local/state
        XDG_RUNTIME_DIR=${home}/runtime)
    set_property(TEST ${name} APPEND PROPERTY FIXTURES_REQUIRED ${ZELBO_TEST_HOMES_FIXTURE})
    set_property(GLOBAL APPEND PROPERTY ZELBO_TEST_HOME_NAMES ${name})
    get_property(verified DIRECTORY PROPERTY ZELBO_TEST_HOMES_VERIFIED)
    if(NOT verified)
        set_property(DIRECTORY PROPERTY ZELBO_TEST_HOMES_VERIFIED TRUE)
        cmake_language(DEFER CALL zelbo_test_homes_verify)
        set_property(GLOBAL APPEND PROPERTY ZELBO_TEST_HOME_DIRS ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
endfunction()

# At the end of a folder's lists: each of its tests still has its home, even after a later
# set_tests_properties(... ENVIRONMENT ...) replaced the list.
function(zelbo_test_homes_verify)
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
        get_test_property(${test} ENVIRONMENT environment)
        get_test_property(${test} FIXTURES_REQUIRED fixtures)
        if(NOT "HOME=${ZELBO_TEST_HOMES}/${test}" IN_LIST environment
           OR NOT ZELBO_TEST_HOMES_FIXTURE IN_LIST fixtures)
            message(FATAL_ERROR "Test ${test} runs in the real home: call zelbo_test_home(${test}) "
                "after registering it, and set its ENVIRONMENT with APPEND")
        endif()
    endforeach()
endfunction()

function(zelbo_test_homes_collect dir out)
    get_property(tests DIRECTORY ${dir} PROPERTY TESTS)
    get_property(verified DIRECTORY ${dir} PROPERTY ZELBO_TEST_HOMES_VERIFIED)
    set(found "")
    if(tests AND NOT verified)
        list(APPEND found ${tests})
    endif()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        zelbo_test_homes_collect(${subdir} more)
        list(APPEND found ${more})
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Called once, at the end of the top-level lists: registers the set-up and the final check,
# and stops the configuration when a folder registered tests without homes.
function(zelbo_test_homes_finish)
    zelbo_test_homes_collect(${CMAKE_SOURCE_DIR} without)
    if(without)
        message(FATAL_ERROR "Tests without a home of their own: ${without}; "
            "call zelbo_test_home(<test>) after add_test")
    endif()
    get_property(names GLOBAL PROPERTY ZELBO_TEST_HOME_NAMES)
    string(REPLACE ";" "\n" lines "${names}")
    file(WRITE ${CMAKE_BINARY_DIR}/tests/homes.txt "${lines}\n")
    set(common -DHOMES=${ZELBO_TEST_HOMES} -DNAMES=${CMAKE_BINARY_DIR}/tests/homes.txt
        "-DCONFIGURED_HOME=$ENV{HOME}")
    add_test(NAME zelbo_test_homes_setup
        COMMAND ${CMAKE_COMMAND} ${common} -DMODE=setup -P ${ZELBO_TEST_HOMES_SCRIPT})
    add_test(NAME zelbo_test_homes_check
        COMMAND ${CMAKE_COMMAND} ${common} -DMODE=check -P ${ZELBO_TEST_HOMES_SCRIPT})
    set_tests_properties(zelbo_test_homes_setup PROPERTIES
        FIXTURES_SETUP ${ZELBO_TEST_HOMES_FIXTURE})
    set_tests_properties(zelbo_test_homes_check PROPERTIES
        FIXTURES_CLEANUP ${ZELBO_TEST_HOMES_FIXTURE})
endfunction()
