# How the folders declare their libraries, and how the layers are kept.
#
#   crank_library(<name> [QT] SOURCES <file>... HEADERS <file>... DEPENDS <library>...)
#   crank_tests(<library> SOURCES <file>... [TEST_SUPPORT <support>...])
#   crank_test_support(<name> [QT] HEADERS <file>... DEPENDS <library or support>...)
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
#
# A library's tests go into the runner of its kind (core_tests for a Qt-free
# library, ui_tests for one with Qt) and are checked the same way: a test may
# include the headers of its library and of what that builds on, and the
# headers of the test supports it names (fixtures and recording doubles,
# declared with crank_test_support and building on libraries of their own);
# the test of a Qt-free library includes no Qt header and no support with Qt.
# A support may build on libraries declared after the tests that use it, so
# these checks are resolved once every folder is added.

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

# Tests of a library, in the runner of its kind, linked to it; they may use
# the test supports named.
function(crank_tests library)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;TEST_SUPPORT")
    get_property(usesQt TARGET ${library} PROPERTY CRANK_USES_QT)
    set(runner core_tests)
    if(usesQt)
        set(runner ui_tests)
    endif()
    target_sources(${runner} PRIVATE ${arg_SOURCES})
    target_link_libraries(${runner} PRIVATE ${library})
    foreach(test IN LISTS arg_SOURCES)
        set_property(TARGET ${library} APPEND PROPERTY CRANK_TESTS
                     ${CMAKE_CURRENT_SOURCE_DIR}/${test})
    endforeach()
    set_property(TARGET ${library} APPEND PROPERTY CRANK_TEST_SUPPORT ${arg_TEST_SUPPORT})
endfunction()

# Headers that only tests include: a fixture or recording doubles, building
# on the libraries (and supports) it names.
function(crank_test_support name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "HEADERS;DEPENDS")
    add_custom_target(${name})
    set_property(TARGET ${name} PROPERTY CRANK_USES_QT ${arg_QT})
    set_property(TARGET ${name} PROPERTY CRANK_DEPENDS ${arg_DEPENDS})
    set(files)
    foreach(header IN LISTS arg_HEADERS)
        file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        set_property(TARGET ${name} APPEND PROPERTY CRANK_HEADERS ${path})
        list(APPEND files ${CMAKE_CURRENT_SOURCE_DIR}/${header})
    endforeach()
    set_property(TARGET ${name} PROPERTY CRANK_SUPPORT_FILES ${files})
    set_property(GLOBAL APPEND PROPERTY CRANK_TEST_SUPPORTS ${name})
endfunction()

# The libraries (or supports) named and every one they build on, directly or
# through others.
function(crank_reachable names out)
    set(seen ${names})
    set(queue ${names})
    while(queue)
        list(POP_FRONT queue current)
        get_property(dependencies TARGET ${current} PROPERTY CRANK_DEPENDS)
        foreach(dependency IN LISTS dependencies)
            if(NOT TARGET ${dependency})
                message(FATAL_ERROR "${current} builds on ${dependency}, which is not declared")
            endif()
            if(NOT dependency IN_LIST seen)
                list(APPEND seen ${dependency})
                list(APPEND queue ${dependency})
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# The include check of one set of files against what `starts` reach, run
# before `target` compiles.
function(crank_check_files check starts files qtFree owned target)
    crank_reachable("${starts}" reachable)
    set(allowed)
    foreach(layer IN LISTS reachable)
        get_property(headers TARGET ${layer} PROPERTY CRANK_HEADERS)
        list(APPEND allowed ${headers})
        get_property(layerUsesQt TARGET ${layer} PROPERTY CRANK_USES_QT)
        if(qtFree AND layerUsesQt)
            message(FATAL_ERROR "${check} is Qt-free and cannot build on ${layer}, which uses Qt")
        endif()
    endforeach()
    # Written again only when it changes, so unchanged files are not checked again.
    set(manifest ${CMAKE_BINARY_DIR}/layers/${check}.cmake)
    file(GENERATE OUTPUT ${manifest} CONTENT
         "set(LIBRARY ${check})\nset(QT_FREE \"${qtFree}\")\nset(FILES \"${files}\")\n\
set(ALLOWED \"${allowed}\")\nset(OWNED \"${owned}\")\n")
    set(stamp ${CMAKE_BINARY_DIR}/layers/${check}.checked)
    add_custom_command(
        OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DMANIFEST=${manifest} -DSTAMP=${stamp}
                -P ${CRANK_INCLUDE_CHECK}
        DEPENDS ${files} ${manifest} ${CRANK_INCLUDE_CHECK}
        COMMENT "Checking what ${check} includes"
        VERBATIM)
    add_custom_target(${check}_includes DEPENDS ${stamp})
    add_dependencies(${target} ${check}_includes)
endfunction()

# Called once all folders are added: the include check of every library, of
# its tests and of every test support.
function(crank_check_layers)
    get_property(libraries GLOBAL PROPERTY CRANK_LIBRARIES)
    get_property(supports GLOBAL PROPERTY CRANK_TEST_SUPPORTS)
    set(owned)
    foreach(layer IN LISTS libraries supports)
        get_property(headers TARGET ${layer} PROPERTY CRANK_HEADERS)
        list(APPEND owned ${headers})
    endforeach()
    foreach(library IN LISTS libraries)
        get_target_property(sourceDir ${library} SOURCE_DIR)
        get_target_property(sources ${library} SOURCES)
        set(files)
        foreach(source IN LISTS sources)
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${sourceDir} OUTPUT_VARIABLE file)
            list(APPEND files ${file})
        endforeach()
        get_property(usesQt TARGET ${library} PROPERTY CRANK_USES_QT)
        set(qtFree ON)
        set(runner core_tests)
        if(usesQt)
            set(qtFree "")
            set(runner ui_tests)
        endif()
        crank_check_files(${library} ${library} "${files}" "${qtFree}" "${owned}" ${library})
        get_property(tests TARGET ${library} PROPERTY CRANK_TESTS)
        if(tests)
            get_property(support TARGET ${library} PROPERTY CRANK_TEST_SUPPORT)
            list(REMOVE_DUPLICATES support)
            crank_check_files(${library}_tests "${library};${support}" "${tests}" "${qtFree}"
                              "${owned}" ${runner})
        endif()
    endforeach()
    foreach(support IN LISTS supports)
        get_property(files TARGET ${support} PROPERTY CRANK_SUPPORT_FILES)
        get_property(usesQt TARGET ${support} PROPERTY CRANK_USES_QT)
        set(qtFree ON)
        if(usesQt)
            set(qtFree "")
        endif()
        set(runner core_tests)
        if(usesQt)
            set(runner ui_tests)
        endif()
        crank_check_files(${support} ${support} "${files}" "${qtFree}" "${owned}" ${runner})
    endforeach()
endfunction()
