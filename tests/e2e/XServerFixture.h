// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built program on a private X server (Xvfb, no window manager) and works it as a person would:
// keys typed with xdotool while the server's own auto-repeat runs, pointer clicks, and judgement by the
// journal file, the program's windows (xdotool, xwininfo, xprop) and screenshots. One server per test.
#pragma once

#include "JournalWatch.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace plenta::e2e {

// Generous, as the sanitizer build starts and draws several times slower; the waits poll, so a quick
// program is not slowed down by them.
inline constexpr int E2E_WAIT_MS = 20000;

enum class WindowKind { Normal, Dialog, Popup };

// Whether the test hands the keyboard to the new main window, or leaves it as a fresh server has it (nowhere)
// so that the first click activates the window.
enum class StartFocus { MainWindow, Untouched };

// A mapped top-level window of the program.
struct XWindow {
    unsigned long id = 0;
    QString title;
    QRect geometry; // on the screen
    WindowKind kind = WindowKind::Normal;
};

class XServerFixture : public ::testing::Test {
protected:
    // Small enough that the program's own choice of zoom is 1; a test of larger zooms asks for more.
    explicit XServerFixture(QSize screen = QSize(320, 400))
        : screen_(screen) {}

    void SetUp() override;
    void TearDown() override;

    // Starts the program with these arguments and waits for its main window, with the pointer over it.
    void StartPlenta(const QStringList &arguments = {}, StartFocus focus = StartFocus::MainWindow);
    // Ends the program if it still runs; returns whether it had ended on its own.
    bool StopPlenta();
    bool PlentaRunning() const;

    // Keys by their X names ("Return", "Escape", "F23"); while one is down the server repeats it.
    void KeyDown(const QString &key);
    void KeyUp(const QString &key);
    void Tap(const QString &key);
    void Hold(const QString &key, int milliseconds);
    // A left click at a point of the main window.
    void Click(QPoint inMainWindow);

    // The program's mapped top-level windows, topmost first.
    std::vector<XWindow> Windows() const;
    std::optional<XWindow> MainWindow() const;
    // The mapped dialogs (message boxes and the About box), topmost first.
    std::vector<XWindow> Boxes() const;
    QImage Screenshot() const;

    std::filesystem::path Journal() const { return root_ / "plenta.txt"; }
    std::string JournalBytes() const;
    void WriteJournal(const std::string &bytes) const;
    // Rewrites of the journal since the program started.
    int JournalRewrites();

    // Polls until the condition holds; false when the time is up.
    static bool WaitFor(const std::function<bool()> &condition, int limitMs = E2E_WAIT_MS);
    static void Pause(int milliseconds);

private:
    bool StartServer(int number);
    void StopServer();
    QString ServerLog() const;
    QString Run(const QString &program, const QStringList &arguments) const;
    QProcessEnvironment Environment() const;

    QSize screen_;
    QTemporaryDir scratch_;
    std::filesystem::path root_;
    QString display_;
    QProcess server_;
    QProcess plenta_;
    std::unique_ptr<JournalWatch> watch_;
};

} // namespace plenta::e2e
