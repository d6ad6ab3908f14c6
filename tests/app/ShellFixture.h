// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the whole program inside the test process with a fresh device root, and answers its boxes.
#pragma once

#include "BoxRecorder.h"
#include "WaitFor.h"

#include "app/KeyFilter.h"
#include "app/MainWindow.h"
#include "app/StartApplication.h"
#include <TempFolder.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <filesystem>
#include <string>

namespace plenta {

// The hold period the program is started with here: short, so that tests of holds wait little, and still long
// enough that the events a test sends between a press and its release are handled well before it ends.
inline constexpr int TEST_HOLD_MS = 150;

class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        qputenv("PLENTA_ROOT", root.path().toLocal8Bit());
        application = StartApplication(*qApp, {.zoom = std::nullopt, .holdPeriodMs = TEST_HOLD_MS});
        ASSERT_NE(application, nullptr);
        window = application->mainWindow.get();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    void TearDown() override {
        application.reset();
        qunsetenv("PLENTA_ROOT");
    }

    std::filesystem::path Journal() const { return window->State().paths.journalPath; }

    std::string ReadJournal() const { return test::ReadBytes(Journal()); }

    // Replaces the journal behind the program's back and rescans, as a sync service's copy would need.
    void WriteJournal(const std::string &content) {
        test::WriteBytes(Journal(), content);
        window->Dispatcher()->Rescan();
    }

    // Where a key of the keyboard goes: the focus widget, or the window itself.
    QWidget *KeyTarget() const {
        QWidget *focus = QApplication::focusWidget();
        return focus != nullptr ? focus : window;
    }

    KeyFilter &Keys() const { return *application->keyFilter; }

    BoxRecorder recorder;
    QTemporaryDir root;
    std::unique_ptr<Application> application;
    MainWindow *window = nullptr;
};

} // namespace plenta
