# Copies SRC to DST unless DST exists: the player's own file is never replaced.
if(NOT EXISTS "${DST}")
    configure_file("${SRC}" "${DST}" COPYONLY)
endif()
