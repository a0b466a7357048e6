# SPDX-License-Identifier: GPL-3.0-or-later

# The manual page in English (man6/) and in Spanish (es/man6/), where `man zelbo` finds the
# one of the reader's language. Beside the program they are zelbo.en.6 and zelbo.6, for
# `man ./build/zelbo.6`. Installed compressed, without a time stamp, so builds compare equal.

set(manpages "zelbo.en.6:man6" "zelbo.6:es/man6")
set(manpage_outputs "")
foreach(entry IN LISTS manpages)
    string(REPLACE ":" ";" entry "${entry}")
    list(GET entry 0 source)
    list(GET entry 1 section_dir)
    configure_file(${source} ${ZELBO_OUT_DIR}/${source} @ONLY)
    set(gz ${CMAKE_CURRENT_BINARY_DIR}/${section_dir}/zelbo.6.gz)
    add_custom_command(
        OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/${section_dir}
        COMMAND gzip -9 -n -c ${ZELBO_OUT_DIR}/${source} > ${gz}
        DEPENDS ${ZELBO_OUT_DIR}/${source}
        COMMENT "Compressing the manual page ${source}"
    )
    list(APPEND manpage_outputs ${gz})
    install(FILES ${gz} DESTINATION share/man/${section_dir})
endforeach()
add_custom_target(zelbo_manpage ALL DEPENDS ${manpage_outputs})
