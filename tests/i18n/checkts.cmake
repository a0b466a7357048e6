# Fails when a text the player can see has no finished English translation.
# lupdate merges the sources' current texts into a copy of the committed .ts: a text
# added or changed in the sources comes out "unfinished" there, named in the message.
#   cmake -DLUPDATE=... -DTS=zelbo_en.ts -DDIRS="a|b" -DWORK=folder -P checkts.cmake
string(REPLACE "|" ";" DIRS "${DIRS}")
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
set(copy ${WORK}/${name})
file(COPY_FILE ${TS} ${copy})
execute_process(
    COMMAND ${LUPDATE} -silent -locations none -no-obsolete ${DIRS} -ts ${copy}
    RESULT_VARIABLE status
    ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status}): ${errors}")
endif()
# A warning of lupdate (a tr() it cannot read, a context it cannot tell) is a text
# that would reach the player untranslated.
if(errors MATCHES "[Ww]arning|[Cc]annot")
    message(FATAL_ERROR "lupdate complains about the sources:\n${errors}")
endif()

file(READ ${copy} merged)
# Semicolons would split CMake's lists; the report does without them.
string(REPLACE ";" "," report "${merged}")
string(REGEX MATCHALL
    "<source>[^<]*</source>[ \n]*(<comment>[^<]*</comment>[ \n]*)?<translation type=\"unfinished\""
    unfinished "${report}")
list(LENGTH unfinished count)
if(count GREATER 0)
    set(texts "")
    foreach(entry IN LISTS unfinished)
        string(REGEX MATCH "<source>([^<]*)</source>" _ "${entry}")
        string(APPEND texts "  ${CMAKE_MATCH_1}\n")
    endforeach()
    message(FATAL_ERROR "${count} text(s) without an English translation in ${name}:\n${texts}"
        "Run lupdate on the sources into ${name} and translate them.")
endif()
# Every text the sources use is in the committed file, unchanged: the merge adds nothing.
file(READ ${TS} committed)
if(NOT committed STREQUAL merged)
    message(FATAL_ERROR "${name} is not up to date with the sources (texts were removed or "
        "changed); run lupdate -locations none -no-obsolete on the sources into it.")
endif()
message(STATUS "${name}: every text translated")
