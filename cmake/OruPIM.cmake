# Helpers shared by the folders of the tree.

# orupim_headers(TARGET): the target publishes the headers of its own folder, and only those. Its include root
# (build/include/<folder>) holds nothing but a link named after the folder, so "<folder>/x.h" is found by the
# target and by what links it, while a header of a folder that a file's target does not link fails to compile.
function(orupim_headers target)
    file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    string(REPLACE "/" "_" name ${folder})
    set(root ${CMAKE_BINARY_DIR}/include/${name})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# orupim_test(NAME [QT] SOURCES ... LIBS ...): a GoogleTest program run by CTest, one process per test case,
# each case given at most 60 seconds. Every case gets its own temporary platform root, HOME and XDG directories
# (tests/support), and Qt runs offscreen, so tests never touch the user's files, run in parallel and pass as
# well whole as one by one. QT gives the program a QApplication.
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
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60
        DISCOVERY_TIMEOUT 60)
endfunction()
