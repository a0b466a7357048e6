# The tests of an area are built into one program, and each of its Qt Test classes is a CTest
# entry of its own, which runs the program with the class's name: fewer programs to link, and
# a failure still names its test and its check.
#
#   zelbo_test_program(<program> [CORE|WIDGETS])
#                                   in the area's folder, before its tests: the program, in
#                                   tests/ under the build folder, with the headers of Qt Test
#                                   and of the given kind precompiled (zelbo_precompile)
#   zelbo_test(<test> SOURCES a.cpp ... [LIBRARIES lib ...] [DEFINITIONS NAME=value ...]
#              [PATHS NAME=path ...])
#                                   adds a test class's sources to the folder's program and
#                                   registers <test>; the class is the one its source names in
#                                   ZELBO_TEST_MAIN (or _GUILESS_ / _APPLESS_); the definitions
#                                   reach that test's sources only; each path reaches the test
#                                   at run time as an environment variable, which it reads with
#                                   rutaDePrueba("NAME"). GUI tests run offscreen.
#
# No path of the clone goes into a test's compiled code (its definitions, Qt Test's own
# included), so that a second clone's objects come from the compiler cache.
get_target_property(zelbo_qttest_definitions Qt6::Test INTERFACE_COMPILE_DEFINITIONS)
list(FILTER zelbo_qttest_definitions EXCLUDE REGEX "^QT_TESTCASE_(BUILD|SOURCE)DIR=")
set_target_properties(Qt6::Test PROPERTIES INTERFACE_COMPILE_DEFINITIONS "${zelbo_qttest_definitions}")

function(zelbo_test_program program)
    add_executable(${program})
    target_link_libraries(${program} PRIVATE zelbo_testmain)
    zelbo_warnings(${program})
    target_compile_options(${program} PRIVATE ${ZELBO_TEST_OPTIONS})
    if(ARGN)
        zelbo_precompile(${program} ${ARGN} TEST)
    endif()
    set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set(ZELBO_TEST_PROGRAM ${program} PARENT_SCOPE)
endfunction()

# The Qt Test class that one of <sources> registers, in <out>.
function(zelbo_test_class out)
    foreach(source IN LISTS ARGN)
        if(NOT source MATCHES "\\.cpp$")
            continue()
        endif()
        file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/${source} lines
             REGEX "^ZELBO_TEST_(GUILESS_|APPLESS_)?MAIN\\(")
        if(lines MATCHES "MAIN\\(([A-Za-z0-9_]+)\\)")
            set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    message(FATAL_ERROR "None of ${ARGN} registers a test class with ZELBO_TEST_MAIN")
endfunction()

function(zelbo_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;DEFINITIONS;PATHS" ${ARGN})
    if(NOT ZELBO_TEST_PROGRAM)
        message(FATAL_ERROR "zelbo_test(${name}): call zelbo_test_program(<program>) first")
    endif()
    zelbo_test_class(class ${ARG_SOURCES})
    target_sources(${ZELBO_TEST_PROGRAM} PRIVATE ${ARG_SOURCES})
    target_link_libraries(${ZELBO_TEST_PROGRAM} PRIVATE ${ARG_LIBRARIES})
    if(ARG_DEFINITIONS)
        if(ARG_DEFINITIONS MATCHES "[\"=]/|TARGET_FILE")
            message(FATAL_ERROR "zelbo_test(${name}): give paths as PATHS, not DEFINITIONS")
        endif()
        set_property(SOURCE ${ARG_SOURCES} APPEND PROPERTY COMPILE_DEFINITIONS ${ARG_DEFINITIONS})
    endif()
    add_test(NAME ${name} COMMAND ${ZELBO_TEST_PROGRAM} ${class})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_PATHS}")
    zelbo_test_home(${name})
endfunction()
