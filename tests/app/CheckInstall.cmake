# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program's own install rules into a scratch prefix and checks that every file arrives there.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" -DCMAKE_INSTALL_PREFIX=${PREFIX} -P "${SCRIPT}" RESULT_VARIABLE result
                OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the install rules failed: ${result}")
endif()
set(files bin/plenta bin/plenta-journal share/applications/plenta.desktop share/metainfo/org.plenta.Plenta.metainfo.xml
          share/icons/hicolor/scalable/apps/plenta.svg share/man/man1/plenta.1.gz
          share/man/man1/plenta-journal.1.gz share/plenta/plenta.gif share/doc/plenta/copyright
          share/doc/plenta/changelog.gz)
foreach(size 16 32 48 64 128 256)
    list(APPEND files share/icons/hicolor/${size}x${size}/apps/plenta.png)
endforeach()
foreach(file ${files})
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
