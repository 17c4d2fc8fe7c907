# Helpers shared by the subsystem folders.

# A program of the installed product: built into dist/ (the program folder).
function(product_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DIST_DIR})
endfunction()

# A GoogleTest executable run by ctest (through Wine in the Windows build).
#   unit_test(<name> SOURCES <files...> LIBRARIES <targets...>)
function(unit_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    if(WINDOWS_BUILD)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "TEST_DIST_DIR=${DIST_DIR}")
    endif()
endfunction()
