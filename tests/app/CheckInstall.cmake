# Runs the program's own install rules into a scratch prefix and checks that every file arrives there.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" -DCMAKE_INSTALL_PREFIX=${PREFIX} -P "${SCRIPT}" RESULT_VARIABLE result
                OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the install rules failed: ${result}")
endif()
foreach(file bin/plenta share/applications/plenta.desktop share/icons/hicolor/32x32/apps/plenta.png
        share/icons/hicolor/16x16/apps/plenta.png)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
