// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built program on a private X server (Xvfb, bare or with openbox managing its windows, in the
// caller's or a given locale) and works it as a person would: keys typed with xdotool while the server's own
// auto-repeat runs, pointer clicks, pastes, and judgement by the journal file, the program's windows
// (xdotool, xwininfo, xprop) and screenshots. One server per test.
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
#include <ostream>
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

enum class WindowManager { None, Openbox };
enum class ProgramUser { Caller, Unprivileged };

// The desktop a test runs the program on.
struct DesktopSetup {
    WindowManager manager = WindowManager::None;
    // LANG for the program; null keeps the caller's environment.
    const char *locale = nullptr;
    // Who runs the program: the caller, or a user without privileges (`nobody` when the caller is root, as
    // in CI, where root's powers would hide every permission the program must respect).
    ProgramUser user = ProgramUser::Caller;
};

// "Openbox_de_DE", "Bare": a test name's part.
std::string NameOf(const DesktopSetup &desktop);
inline void PrintTo(const DesktopSetup &desktop, std::ostream *out) {
    *out << NameOf(desktop);
}

// A mapped top-level window of the program.
struct XWindow {
    unsigned long id = 0;
    QString title;
    QRect geometry; // on the screen
    WindowKind kind = WindowKind::Normal;
};

class XServerFixture : public ::testing::Test {
public:
    // Polls until the condition holds; false when the time is up.
    static bool WaitFor(const std::function<bool()> &condition, int limitMs = E2E_WAIT_MS);
    static void Pause(int milliseconds);

protected:
    // Small enough that the program's own choice of zoom is 1; a test of larger zooms asks for more.
    explicit XServerFixture(QSize screen = QSize(320, 400), DesktopSetup desktop = {})
        : screen_(screen)
        , desktop_(desktop) {}

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
    // A left click at a point of the screen.
    void ClickAt(QPoint onScreen);

    // Another program's window (xmessage) at a point of the screen clear of the program's; its X id. It is
    // left unmapped when asked, for MapOtherWindow to show later.
    unsigned long OpenOtherWindow(QPoint at, bool mapped = true);
    // Maps it; a window manager gives a new window the keyboard, a bare server gets it to take it.
    void MapOtherWindow(unsigned long id);
    // The window that has the keyboard.
    unsigned long FocusedWindow() const;
    // The window the window manager counts as active, once it has handled the focus's last move; 0 for none.
    unsigned long ActiveWindow() const;
    // Owns the clipboard with this UTF-8 text, as a program the user copied from does.
    void SetClipboard(const QByteArray &text);
    // The clipboard's text, as the program that owns it gives it (a message box copies its text on Ctrl+C).
    QString Clipboard() const;
    // Asks the window manager to maximise the window, as its title bar's button does.
    void RequestMaximise(unsigned long id);
    const DesktopSetup &TestDesktop() const { return desktop_; }
    // Sets a variable for the programs started from now on (the program, the window manager, the tools).
    void SetVariable(const QString &name, const QString &value) { variables_.insert(name, value); }
    // The environment those programs get.
    QProcessEnvironment Environment() const;

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

private:
    bool StartServer(int number);
    void StartWindowManager();
    void HandOverToUser();
    // The user id the program runs as when it is not the caller's; -1 for the caller's own.
    bool SwitchesUser() const { return switchUid_ >= 0; }
    void StopServer();
    QString ServerLog() const;
    // The program's standard output; its exit status in `exitCode` when asked (-1 when it did not finish).
    QString Run(const QString &program, const QStringList &arguments, int *exitCode = nullptr) const;

    QSize screen_;
    DesktopSetup desktop_;
    QProcessEnvironment variables_;
    long switchUid_ = -1;
    long switchGid_ = -1;
    QTemporaryDir scratch_;
    std::filesystem::path root_;
    QString display_;
    QProcess server_;
    QProcess plenta_;
    QProcess windowManager_;
    QProcess other_;
    std::unique_ptr<JournalWatch> watch_;
};

} // namespace plenta::e2e
