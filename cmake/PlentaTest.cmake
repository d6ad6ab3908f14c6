# SPDX-License-Identifier: GPL-3.0-or-later
# plenta_add_test(): one GoogleTest program of the suite and the ctest tests it lists.
#
#   plenta_add_test(<target> SOURCES <file>... PREFIX <test name prefix> LABELS <label>
#                   [QT] [LINK <library>...] [INCLUDE <folder>...] [DEFINE <definition>...]
#                   [DEPENDS <target>...] [TIMEOUT <seconds>])
#
# Every program names its layer at the head of its tests' names (`journal.`, `ui.`, ...) and carries one label,
# so that `ctest -R` picks a layer and `ctest -L` a kind: `unit` (plain C++ and the chart's painting, no
# widgets: the inner loop), `qt` (widgets in a QApplication), `reliability` and `e2e`. Every program links the
# warnings and sanitizers, sees tests/support (the test support every layer shares) and knows
# PLENTA_TEST_DATA. Without QT it gets GoogleTest's own main; with QT it gets tests/support/QtTestMain.cpp,
# which runs the tests inside one QApplication on the offscreen platform, and its tests run offscreen too.
# Tests are listed when ctest runs (PRE_TEST), so a program that starts other built programs or needs a
# QApplication is never run at build time.
function(plenta_add_test target)
    cmake_parse_arguments(PARSE_ARGV 1 TEST "QT" "PREFIX;LABELS;TIMEOUT" "SOURCES;LINK;INCLUDE;DEFINE;DEPENDS")
    if(TEST_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "plenta_add_test(${target}): unknown arguments ${TEST_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT TEST_PREFIX OR NOT TEST_LABELS)
        message(FATAL_ERROR "plenta_add_test(${target}): every program needs a PREFIX and LABELS")
    endif()

    add_executable(${target} ${TEST_SOURCES})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support ${TEST_INCLUDE})
    target_compile_definitions(${target} PRIVATE PLENTA_TEST_DATA="${PLENTA_TEST_DATA}"
                                                 ${TEST_DEFINE})
    target_link_libraries(${target} PRIVATE ${TEST_LINK} plenta_warnings plenta_sanitizers)
    if(TEST_QT)
        target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp)
        target_link_libraries(${target} PRIVATE Qt6::Widgets Qt6::Test GTest::gtest)
    else()
        target_link_libraries(${target} PRIVATE GTest::gtest_main)
    endif()
    if(TEST_DEPENDS)
        add_dependencies(${target} ${TEST_DEPENDS})
    endif()

    # Every change the tool or the window makes is recorded in the device root's history: the tests get a
    # device root of their own instead of the user's (tests that need another one set theirs).
    set(properties LABELS ${TEST_LABELS} ENVIRONMENT_MODIFICATION
                   "PLENTA_ROOT=set:${CMAKE_BINARY_DIR}/test-device-root")
    if(TEST_QT)
        list(APPEND properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
    if(TEST_TIMEOUT)
        list(APPEND properties TIMEOUT ${TEST_TIMEOUT})
    endif()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_PREFIX ${TEST_PREFIX} PROPERTIES ${properties})
endfunction()
