# How the folders declare their libraries, and how the layers are kept.
#
#   crank_library(<name> [QT] SOURCES <file>... HEADERS <file>... DEPENDS <library>...)
#
# A folder's Qt-free core and its widget part are libraries of their own. A
# library names the libraries it builds on; each of them must be declared
# already, in this folder or in one added before it, so the order of the
# add_subdirectory() calls is the order of the layers and a dependency that
# runs back up (or round in a circle) stops the configuration. A library
# without QT links no Qt and depends only on libraries without Qt.
#
# At build time each library's sources and headers are checked before it
# compiles: a project header ("folder/file.h") may be included only from the
# library itself or from one it builds on, directly or through others, and a
# Qt-free library includes no Qt header. Every project header belongs to the
# library that lists it.

set(CRANK_INCLUDE_CHECK ${CMAKE_CURRENT_LIST_DIR}/check_includes.cmake)

function(crank_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "SOURCES;HEADERS;DEPENDS")
    foreach(dependency IN LISTS arg_DEPENDS)
        if(NOT TARGET ${dependency})
            message(FATAL_ERROR "${name} builds on ${dependency}, which is not declared below "
                                "it: a library may build only on the layers under its own")
        endif()
        get_property(dependencyUsesQt TARGET ${dependency} PROPERTY CRANK_USES_QT)
        if(dependencyUsesQt AND NOT arg_QT)
            message(FATAL_ERROR "${name} is Qt-free and cannot build on ${dependency}, which uses Qt")
        endif()
    endforeach()

    add_library(${name} STATIC ${arg_SOURCES} ${arg_HEADERS})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
    if(arg_QT)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport)
    endif()
    set_property(TARGET ${name} PROPERTY CRANK_USES_QT ${arg_QT})
    set_property(TARGET ${name} PROPERTY CRANK_DEPENDS ${arg_DEPENDS})

    foreach(header IN LISTS arg_HEADERS)
        file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        set_property(TARGET ${name} APPEND PROPERTY CRANK_HEADERS ${path})
    endforeach()
    set_property(GLOBAL APPEND PROPERTY CRANK_LIBRARIES ${name})
endfunction()

# The library and every library it builds on, directly or through others.
function(crank_reachable name out)
    set(seen ${name})
    set(queue ${name})
    while(queue)
        list(POP_FRONT queue current)
        get_property(dependencies TARGET ${current} PROPERTY CRANK_DEPENDS)
        foreach(dependency IN LISTS dependencies)
            if(NOT dependency IN_LIST seen)
                list(APPEND seen ${dependency})
                list(APPEND queue ${dependency})
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Called once all folders are added: the include check of every library.
function(crank_check_layers)
    get_property(libraries GLOBAL PROPERTY CRANK_LIBRARIES)
    set(owned)
    foreach(library IN LISTS libraries)
        get_property(headers TARGET ${library} PROPERTY CRANK_HEADERS)
        list(APPEND owned ${headers})
    endforeach()
    foreach(library IN LISTS libraries)
        crank_reachable(${library} reachable)
        set(allowed)
        foreach(layer IN LISTS reachable)
            get_property(headers TARGET ${layer} PROPERTY CRANK_HEADERS)
            list(APPEND allowed ${headers})
        endforeach()
        get_target_property(sourceDir ${library} SOURCE_DIR)
        get_target_property(sources ${library} SOURCES)
        set(files)
        foreach(source IN LISTS sources)
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${sourceDir} OUTPUT_VARIABLE file)
            list(APPEND files ${file})
        endforeach()
        get_property(usesQt TARGET ${library} PROPERTY CRANK_USES_QT)
        set(qtFree ON)
        if(usesQt)
            set(qtFree "")
        endif()
        # Written again only when it changes, so an unchanged library is not checked again.
        set(manifest ${CMAKE_BINARY_DIR}/layers/${library}.cmake)
        file(GENERATE OUTPUT ${manifest} CONTENT
             "set(LIBRARY ${library})\nset(QT_FREE \"${qtFree}\")\nset(FILES \"${files}\")\n\
set(ALLOWED \"${allowed}\")\nset(OWNED \"${owned}\")\n")
        set(stamp ${CMAKE_BINARY_DIR}/layers/${library}.checked)
        add_custom_command(
            OUTPUT ${stamp}
            COMMAND ${CMAKE_COMMAND} -DMANIFEST=${manifest} -DSTAMP=${stamp}
                    -P ${CRANK_INCLUDE_CHECK}
            DEPENDS ${files} ${manifest} ${CRANK_INCLUDE_CHECK}
            COMMENT "Checking what ${library} includes"
            VERBATIM)
        add_custom_target(${library}_includes DEPENDS ${stamp})
        add_dependencies(${library} ${library}_includes)
    endforeach()
endfunction()
