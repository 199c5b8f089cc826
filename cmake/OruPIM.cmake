# Helpers shared by the folders of the tree.

# orupim_test(NAME [QT] SOURCES ... LIBS ...): a GoogleTest program run by CTest, one process per test case.
# Every process gets its own temporary platform root (ORUPIM_ROOT), removed when it ends, and runs Qt offscreen,
# so tests never touch the user's files and run in parallel. QT gives the program a QApplication.
function(orupim_test name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE orupim_qtestmain)
    else()
        target_link_libraries(${name} PRIVATE orupim_testmain)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    target_compile_definitions(${name} PRIVATE ORUPIM_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
    gtest_discover_tests(${name}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        DISCOVERY_TIMEOUT 60)
endfunction()
