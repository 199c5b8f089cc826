# Creates an edition's empty table in a staged program directory unless the directory holds one already: a
# rebuild must never replace the records of a table someone has been using.
# cmake -DTOOL=<orupim-mktable> -DEDITION=<code> -DTABLE=<file> -DDIRECTORY=<dir> -P stagetable.cmake
if(NOT EXISTS "${DIRECTORY}/${TABLE}")
    execute_process(COMMAND "${TOOL}" "${EDITION}" "${DIRECTORY}" RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "could not create ${DIRECTORY}/${TABLE}")
    endif()
endif()
