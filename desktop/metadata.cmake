# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop entry and the AppStream metadata are written in English; po/<language>.po
# holds their translations, for every language named in po/LINGUAS, and msgfmt merges
# them in at build time. `cmake --build build --target zelbo_metadata_pot` writes the
# template a new translation starts from, build/desktop/zelbo.pot.

find_program(ZELBO_MSGFMT msgfmt REQUIRED)
set(po_dir ${CMAKE_CURRENT_SOURCE_DIR}/po)
file(STRINGS ${po_dir}/LINGUAS metadata_languages)
set(po_files ${po_dir}/LINGUAS)
foreach(language IN LISTS metadata_languages)
    list(APPEND po_files ${po_dir}/${language}.po)
endforeach()
# msgfmt picks the AppStream rules by the file name (*.metainfo.xml); its/ holds our own,
# so that keywords and release notes are translated with or without AppStream's tools.
set(msgfmt ${CMAKE_COMMAND} -E env GETTEXTDATADIRS=${CMAKE_CURRENT_SOURCE_DIR} ${ZELBO_MSGFMT})

# The desktop entry's Exec line names the program of the installation, known at install
# time; the translated entry keeps its placeholders until then.
set(desktop_translated ${CMAKE_CURRENT_BINARY_DIR}/zelbo.desktop.in)
add_custom_command(
    OUTPUT ${desktop_translated}
    COMMAND ${msgfmt} --desktop --template=${CMAKE_CURRENT_SOURCE_DIR}/zelbo.desktop.in
            -d ${po_dir} -o ${desktop_translated}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/zelbo.desktop.in ${po_files}
    COMMENT "Translating the desktop entry"
    VERBATIM
)

set(metainfo_template ${CMAKE_CURRENT_BINARY_DIR}/plantilla/${ZELBO_APP_ID}.metainfo.xml)
set(metainfo ${CMAKE_CURRENT_BINARY_DIR}/${ZELBO_APP_ID}.metainfo.xml)
configure_file(zelbo.metainfo.xml.in ${metainfo_template} @ONLY)
add_custom_command(
    OUTPUT ${metainfo}
    COMMAND ${msgfmt} --xml --template=${metainfo_template} -d ${po_dir} -o ${metainfo}
    DEPENDS ${metainfo_template} ${po_files} ${CMAKE_CURRENT_SOURCE_DIR}/its/metainfo.its
    COMMENT "Translating the AppStream metadata"
    VERBATIM
)
add_custom_target(zelbo_metadata ALL DEPENDS ${desktop_translated} ${metainfo})
install(FILES ${metainfo} DESTINATION share/metainfo)

# One desktop entry per place of the program: bin/ for an installation, games/ in the package.
foreach(component IN ITEMS programa paquete)
    set(desktop_entry ${CMAKE_CURRENT_BINARY_DIR}/${component}/${ZELBO_APP_ID}.desktop)
    set(program_dir bin)
    set(exclude "")
    if(component STREQUAL "paquete")
        set(program_dir games)
        set(exclude EXCLUDE_FROM_ALL)
    endif()
    install(CODE "
        set(ZELBO_EXEC \"\${CMAKE_INSTALL_PREFIX}/${program_dir}/zelbo\")
        set(ZELBO_APP_ID ${ZELBO_APP_ID})
        configure_file(\"${desktop_translated}\" \"${desktop_entry}\" @ONLY)
        file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\" TYPE FILE
             FILES \"${desktop_entry}\")
    " COMPONENT ${component} ${exclude})
endforeach()

# The template for translators, from the English sources and the same rules.
add_custom_target(zelbo_metadata_pot
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}
            -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/zelbo.pot -P ${CMAKE_CURRENT_SOURCE_DIR}/pot.cmake
    COMMENT "Writing the translators' template build/desktop/zelbo.pot"
    VERBATIM
)
