# Run by CPack after it installed the files into its staging folder: removes
# the .comment and .note sections (compiler and build notes) from the ELF
# files, as Debian's own packaging does; CPack's stripping keeps them.
cmake_policy(SET CMP0009 NEW)
file(GLOB_RECURSE files LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS files)
    if(IS_SYMLINK "${file}")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND "${CPACK_ARDENTIX_STRIP}" --remove-section=.comment --remove-section=.note "${file}"
                        RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "${CPACK_ARDENTIX_STRIP} failed on ${file}")
        endif()
    endif()
endforeach()
