# Run at install time (cmake/Windows.cmake): copies into the install folder every DLL that the
# program, its modules and the Qt plugins it loads import, found through their import tables
# (objdump -p) in Qt's bin folder and the MinGW runtime folders, and nothing else. System DLLs
# (KERNEL32, USER32, ...) are not found there and stay out.
#   VORTAN2_DEST      install folder (holds vortan2.exe)
#   VORTAN2_SEARCH    folders that hold the DLLs to ship
#   VORTAN2_OBJDUMP   x86_64-w64-mingw32-objdump
cmake_policy(VERSION 3.25)
set(queue)
file(GLOB_RECURSE queue "${VORTAN2_DEST}/*.exe" "${VORTAN2_DEST}/*.dll")
set(seen)
while(queue)
    list(POP_FRONT queue binary)
    execute_process(COMMAND ${VORTAN2_OBJDUMP} -p ${binary} OUTPUT_VARIABLE imports
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "objdump could not read ${binary}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" names "${imports}")
    foreach(entry ${names})
        string(REPLACE "DLL Name: " "" dll "${entry}")
        string(STRIP "${dll}" dll)
        string(TOLOWER "${dll}" key)
        if(key IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${key})
        foreach(folder ${VORTAN2_SEARCH})
            if(EXISTS "${folder}/${dll}")
                file(COPY "${folder}/${dll}" DESTINATION "${VORTAN2_DEST}")
                list(APPEND queue "${VORTAN2_DEST}/${dll}")
                break()
            endif()
        endforeach()
    endforeach()
endwhile()
