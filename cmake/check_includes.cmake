# Checks what the files of one library include (see CrankLibraries.cmake).
#   cmake -DMANIFEST=<library>.cmake -DSTAMP=<file> -P check_includes.cmake
# The manifest sets LIBRARY, QT_FREE (empty when the library uses Qt), FILES,
# ALLOWED (the project headers it may include) and OWNED (every project
# header of every library). Fails naming each include that runs outside.

cmake_minimum_required(VERSION 3.25)
include(${MANIFEST})
set(faults)
foreach(file IN LISTS FILES)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            set(header ${CMAKE_MATCH_1})
            if(NOT header IN_LIST OWNED)
                string(APPEND faults "\n  ${file} includes ${header}, which no library lists")
            elseif(NOT header IN_LIST ALLOWED)
                string(APPEND faults "\n  ${file} includes ${header}, "
                                     "from a library that ${LIBRARY} does not build on")
            endif()
        elseif(QT_FREE AND line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z/]*)>")
            string(APPEND faults "\n  ${file} includes <${CMAKE_MATCH_1}> in Qt-free ${LIBRARY}")
        endif()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "What ${LIBRARY} includes runs outside its layers:${faults}")
endif()
if(STAMP)
    file(TOUCH ${STAMP})
endif()
