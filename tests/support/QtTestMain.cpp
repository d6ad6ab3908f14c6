// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a program's tests inside one QApplication on the offscreen platform, so no display is needed (also
// when ctest lists the tests), with a private runtime folder so that the single-instance socket never meets a
// Plenta the user runs, nor another test program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir runtime;
    if (runtime.isValid()) {
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
