# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DSOURCE_DIR=desktop -DOUTPUT=zelbo.pot -P pot.cmake
# Every text of the desktop entry and the AppStream metadata that a translation covers.

find_program(XGETTEXT xgettext)
find_program(MSGCAT msgcat)
if(NOT XGETTEXT OR NOT MSGCAT)
    message(FATAL_ERROR "xgettext or msgcat missing: install gettext")
endif()
set(desktop_pot "${OUTPUT}.desktop")
set(metainfo_pot "${OUTPUT}.metainfo")
execute_process(
    COMMAND ${XGETTEXT} --from-code=UTF-8 --language=Desktop --omit-header
            "${SOURCE_DIR}/zelbo.desktop.in" -o "${desktop_pot}"
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND ${XGETTEXT} --from-code=UTF-8 --its=${SOURCE_DIR}/its/metainfo.its
            "${SOURCE_DIR}/zelbo.metainfo.xml.in" -o "${metainfo_pot}"
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND ${MSGCAT} --use-first "${metainfo_pot}" "${desktop_pot}" -o "${OUTPUT}"
    COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE "${desktop_pot}" "${metainfo_pot}")
