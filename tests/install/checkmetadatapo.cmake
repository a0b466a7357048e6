# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DSOURCE_DIR=... -DWORK=... -P checkmetadatapo.cmake
# Every text of the desktop entry and the AppStream metadata has a finished translation in
# each language of desktop/po/LINGUAS, and no translation is left of a text that is gone.

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

find_program(MSGMERGE msgmerge)
find_program(MSGATTRIB msgattrib)
if(NOT MSGMERGE OR NOT MSGATTRIB)
    fail("msgmerge or msgattrib missing: install gettext")
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SOURCE_DIR}/desktop -DOUTPUT=${WORK}/zelbo.pot
            -P ${SOURCE_DIR}/desktop/pot.cmake
    COMMAND_ERROR_IS_FATAL ANY)

file(STRINGS "${SOURCE_DIR}/desktop/po/LINGUAS" languages)
if(NOT languages)
    fail("desktop/po/LINGUAS names no language")
endif()
foreach(language IN LISTS languages)
    set(merged "${WORK}/${language}.po")
    execute_process(
        COMMAND ${MSGMERGE} --quiet --no-fuzzy-matching --no-wrap
                "${SOURCE_DIR}/desktop/po/${language}.po" "${WORK}/zelbo.pot" -o "${merged}"
        COMMAND_ERROR_IS_FATAL ANY)
    foreach(kind untranslated only-fuzzy only-obsolete)
        execute_process(
            COMMAND ${MSGATTRIB} --${kind} --no-wrap --no-location "${merged}"
            OUTPUT_VARIABLE found
            COMMAND_ERROR_IS_FATAL ANY)
        # Every message but the header, whose msgid is empty.
        string(REGEX MATCHALL "\n(#~ )?msgid \"[^\"\n]+[^\n]*" texts "\n${found}")
        if(texts)
            string(REPLACE ";" "\n" texts "${texts}")
            fail("desktop/po/${language}.po, ${kind}:${texts}")
        endif()
    endforeach()
endforeach()
message(STATUS "translations complete: ${languages}")
