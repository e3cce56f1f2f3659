# Runs lupdate over the program's sources into copies of the translation files and fails unless
# every copy comes out unchanged: each text the window shows is in every file, and no file keeps
# a text the program no longer has.
# cmake -DLUPDATE=<lupdate> -DSOURCES=<app folder> -DTS_DIR=<translations folder> -DWORK=<scratch folder> -P translations.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB originals ${TS_DIR}/*.ts)
set(copies)
foreach(ts IN LISTS originals)
    file(COPY ${ts} DESTINATION ${WORK})
    cmake_path(GET ts FILENAME name)
    list(APPEND copies ${WORK}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} -silent -locations none -extensions cpp,h -tr-function-alias translate+=Tr ${SOURCES} -ts ${copies}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed")
endif()
set(changed)
foreach(ts IN LISTS originals)
    cmake_path(GET ts FILENAME name)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ts} ${WORK}/${name} RESULT_VARIABLE differs)
    if(differs)
        list(APPEND changed ${name})
    endif()
endforeach()
if(changed)
    message(FATAL_ERROR "lupdate changes ${changed}: the program's texts and the translations differ. "
                        "Build the update_translations target, translate what it marks unfinished, "
                        "and drop what it marks vanished.")
endif()
message(STATUS "every translation holds exactly the program's texts")
