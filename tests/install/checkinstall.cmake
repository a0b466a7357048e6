# cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DVERSION=... -DSOURCE_DIR=... -P checkinstall.cmake

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    fail("cmake --install failed: ${result}")
endif()

set(expected
    bin/zelbo
    share/zelbo/naipe40.db
    share/zelbo/pordefect.dat
    share/zelbo/ayuda.html
    share/zelbo/ayuda_en.html
    share/zelbo/ayuda/es/mesa-clasica.png
    share/zelbo/ayuda/es/mesa-moderna.png
    share/zelbo/ayuda/es/revision.png
    share/zelbo/ayuda/en/mesa-clasica.png
    share/zelbo/ayuda/en/mesa-moderna.png
    share/zelbo/ayuda/en/revision.png
    share/zelbo/translations/zelbo_en.qm
    share/zelbo/dibujo.jpg
    share/zelbo/zelbofond.jpg
    share/zelbo/winfond.jpg
    share/zelbo/naipes/oros01.jpg
    share/zelbo/naipes/bastos12.jpg
    share/zelbo/naipes-en/bastos12.jpg
    share/zelbo/naipes-tradicional/bastos12.jpg
    share/zelbo/reversos/azul.jpg
    share/zelbo/reversos/verde.jpg
    lib/games/zelbo/zelbo-sonido.so
    share/zelbo/sonidos/carta.wav
    share/zelbo/sonidos/partidaperdida.wav
    share/zelbo/icons/nuevo.svg
    share/zelbo/icons/zelbo.png
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man6/zelbo.6.gz
    share/man/es/man6/zelbo.6.gz
    share/doc/zelbo/copyright
    share/doc/zelbo/changelog.gz
)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(f IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${f}")
        fail("not installed: ${f}")
    endif()
endforeach()

# Only the game's program; the player's own file is made at the first start, never shipped.
file(GLOB programs RELATIVE "${PREFIX}/bin" "${PREFIX}/bin/*")
if(NOT programs STREQUAL "zelbo")
    fail("bin/ holds ${programs}, expected only zelbo")
endif()
file(GLOB_RECURSE shipped_prefs "${PREFIX}/*lastprop.dat")
if(shipped_prefs)
    fail("a player's file is installed: ${shipped_prefs}")
endif()
foreach(carpeta naipes naipes-en naipes-tradicional)
    file(GLOB_RECURSE cards "${PREFIX}/share/zelbo/${carpeta}/*.jpg")
    list(LENGTH cards card_count)
    if(NOT card_count EQUAL 40)
        fail("${card_count} card pictures installed in ${carpeta}, expected 40")
    endif()
endforeach()

# A PNG's width and height are the two big-endian words after its IHDR tag.
foreach(size 16 32 48 64 128 256)
    file(READ "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png" header
        OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 w)
    string(SUBSTRING "${header}" 8 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    if(NOT w EQUAL size OR NOT h EQUAL size)
        fail("icon ${size}x${size} is ${w}x${h}")
    endif()
endforeach()
file(READ "${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg" svg)
if(NOT svg MATCHES "<svg" OR NOT svg MATCHES "<path")
    fail("the scalable icon holds no vector drawing")
endif()

file(STRINGS "${PREFIX}/share/applications/${APP_ID}.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=${PREFIX}/bin/zelbo")
    fail("the desktop entry runs '${exec}', not this installation's program")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
    fail("desktop-file-validate or appstreamcli missing: install desktop-file-utils and appstream")
endif()
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${PREFIX}/share/applications/${APP_ID}.desktop"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0 OR out MATCHES "error:")
    fail("desktop-file-validate:\n${out}")
endif()
# Pedantic: only the upper-case letters of the id may be remarked on.
execute_process(COMMAND ${APPSTREAMCLI} validate --pedantic --no-net --no-color
        "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
string(REGEX REPLACE "[^\n]*cid-contains-uppercase-letter[^\n]*" "" remarks "${out}")
if(NOT result EQUAL 0 OR "\n${remarks}" MATCHES "\n[EWIP]: ")
    fail("appstreamcli validate --pedantic:\n${out}")
endif()

# English first, with the Spanish translation of every text the desktop shows.
file(READ "${PREFIX}/share/applications/${APP_ID}.desktop" entry)
foreach(key Name GenericName Comment Keywords)
    if(NOT entry MATCHES "\n${key}\\[es\\]=[^\n]")
        fail("the desktop entry has no ${key}[es]")
    endif()
endforeach()
if(NOT entry MATCHES "\nGenericName=Card Game\n")
    fail("the desktop entry's GenericName is not the English one")
endif()
file(READ "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
foreach(element name summary p li keyword developer_name)
    if(NOT metainfo MATCHES "<${element} xml:lang=\"es\">")
        fail("the AppStream metadata has no Spanish <${element}>")
    endif()
endforeach()
if(metainfo MATCHES "<screenshots>")
    fail("the AppStream metadata holds screenshots")
endif()

# This version's release notes: the newest release in the metadata and the changelog.
string(REGEX MATCH "<release version=\"([^\"]*)\"" newest "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("the newest AppStream release is '${CMAKE_MATCH_1}', the program's version ${VERSION}")
endif()
file(STRINGS "${SOURCE_DIR}/desktop/changelog" first_line LIMIT_COUNT 1)
if(NOT first_line MATCHES "^zelbo \\(${VERSION}\\) ")
    fail("the changelog starts with '${first_line}', not version ${VERSION}")
endif()
message(STATUS "installed and validated in ${PREFIX}")
