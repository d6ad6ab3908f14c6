# SPDX-License-Identifier: GPL-3.0-or-later
# The layer check itself: includes planted in a scratch copy of the layers must fail it, each in its own
# run, and a layer that only reaches down must pass. Run with -DCHECK=CheckLayerIncludes.cmake -DWORK=folder.
cmake_minimum_required(VERSION 3.25)
set(pattern "^(platform|chart|ui|app)/|^Qt?[A-Z]")
# Each case: the file planted below src/journal, then its include line, then whether the check must fail.
set(cases
    "Plain.cpp|#include \"journal/JournalRecord.h\"|pass"
    "Beside.cpp|#include \"JournalRecord.h\"|pass"
    "Climbing.cpp|#include \"../ui/EntryForm.h\"|fail"
    "Detour.cpp|#include \"journal/../ui/EntryForm.h\"|fail"
    "deep/Nested.h|#include \"ui/EntryForm.h\"|fail"
    "deep/NestedClimbing.cpp|#include \"../../app/MainWindow.h\"|fail"
    "Widgets.cpp|#include <QWidget>|fail")
set(faults)
foreach(case ${cases})
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 file)
    list(GET fields 1 line)
    list(GET fields 2 expected)
    set(src "${WORK}/src")
    file(REMOVE_RECURSE "${src}")
    file(WRITE "${src}/journal/JournalRecord.h" "#pragma once\n")
    file(WRITE "${src}/ui/EntryForm.h" "#pragma once\n")
    file(WRITE "${src}/journal/${file}" "${line}\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DFOLDER=${src}/journal "-DFORBIDDEN_PATTERN=${pattern}" -P ${CHECK}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(expected STREQUAL "fail" AND (result EQUAL 0 OR NOT output MATCHES "${file}"))
        list(APPEND faults "${file} (${line}) was not reported")
    elseif(expected STREQUAL "pass" AND NOT result EQUAL 0)
        list(APPEND faults "${file} (${line}) was reported: ${output}")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK}/src")
if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "the layer check is wrong:\n  ${text}")
endif()
