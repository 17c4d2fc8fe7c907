# Helpers shared by the subsystem folders.

# A program of the installed product: built into dist/ (the program folder).
# Shipped without debugging information (the symbol table stays, for
# backtraces): Wine copies a whole image into memory when it starts a
# program, debugging sections included, and Option's were 15 of its 16 MB.
function(product_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DIST_DIR})
    if(WINDOWS_BUILD)
        target_link_options(${target} PRIVATE -Wl,--strip-debug)
    endif()
endfunction()

# A Windows test takes one lane of scripts/test.sh (a display and a Wine
# prefix of its own), so that tests in other lanes can run beside it.
function(wine_lane test)
    if(WINDOWS_BUILD)
        set_property(TEST ${test} APPEND PROPERTY RESOURCE_GROUPS "lanes:1")
    endif()
endfunction()

# A GoogleTest executable run by ctest (through Wine in the Windows build).
#   unit_test(<name> SOURCES <files...> LIBRARIES <targets...> [SHARDS <n>])
# A long suite split into n shards runs as n tests (name_1 .. name_n), each
# with its own share of the cases, which can run in lanes side by side.
function(unit_test name)
    cmake_parse_arguments(ARG "" "SHARDS" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set(environment)
    if(WINDOWS_BUILD)
        list(APPEND environment "TEST_DIST_DIR=${DIST_DIR}")
    endif()
    if(NOT ARG_SHARDS)
        add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
        wine_lane(${name})
        return()
    endif()
    math(EXPR last "${ARG_SHARDS} - 1")
    foreach(index RANGE ${last})
        math(EXPR number "${index} + 1")
        add_test(NAME ${name}_${number} COMMAND ${name} --gtest_brief=1)
        # COST: the long suites start first, the short ones fill the lanes after.
        set_tests_properties(${name}_${number} PROPERTIES COST 1000 ENVIRONMENT
                             "${environment};GTEST_TOTAL_SHARDS=${ARG_SHARDS};GTEST_SHARD_INDEX=${index}")
        wine_lane(${name}_${number})
    endforeach()
endfunction()

# Version information (and optionally an icon) for a program or library of
# the product, from the project version.
#   version_resource(<target> "<description>" [ICON <file.ico>])
function(version_resource target description)
    cmake_parse_arguments(ARG "" "ICON" "" ${ARGN})
    get_target_property(type ${target} TYPE)
    get_target_property(output ${target} OUTPUT_NAME)
    if(NOT output)
        set(output ${target})
    endif()
    set(VERSION_DESCRIPTION "${description}")
    set(VERSION_INTERNAL_NAME ${output})
    if(type STREQUAL "SHARED_LIBRARY")
        set(VERSION_FILE_NAME ${output}.dll)
        set(VERSION_FILE_TYPE VFT_DLL)
    else()
        set(VERSION_FILE_NAME ${output}.exe)
        set(VERSION_FILE_TYPE VFT_APP)
    endif()
    set(VERSION_ICON_LINE "")
    if(ARG_ICON)
        # The first icon resource is the one the shell shows for the file.
        set(VERSION_ICON_LINE "1 ICON \"${ARG_ICON}\"")
    endif()
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${CMAKE_SOURCE_DIR}/version/VersionInfo.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
