// SPDX-License-Identifier: GPL-3.0-or-later
// The one top-level window: the parent of the entry form and the toolbar, the painter of the chart, the
// target of every command, and the owner of the program's state. Commands and rescans are the dispatcher's
// work.
#pragma once

#include "ui/Command.h"
#include "ui/CommandDispatcher.h"
#include "ui/ShellState.h"

#include <QWidget>

#include <memory>

namespace plenta {

class EntryForm;
class MainToolbar;

// What the window does once it has painted for the first time; the start-up benchmark asks it to end then.
enum class AfterFirstPaint { Continue, Exit };

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    ShellState &State() { return state_; }
    EntryForm *Form() const { return form_; }
    MainToolbar *Toolbar() const { return toolbar_; }
    CommandDispatcher *Dispatcher() const { return dispatcher_.get(); }

    // Hands over the children once they exist; commands do nothing before.
    void AttachChildren(EntryForm *form, MainToolbar *toolbar);

    // The synchronous command: OnCommand, then the chart repaint that follows every command.
    void SendCommand(Command command);

    // Ends the window for good: closes its boxes, hides it, releases the picture and ends the event loops
    // with exit code 0. The object itself lives on until the program returns, so that code still running
    // inside a command finds it.
    void DestroyWindow();
    bool IsDestroyed() const { return destroyed_; }

    // Sizes the window to the visible desktop when it is the foreground window (or none is yet).
    void FitToVisibleDesktop();
    void ActivateMainWindow();

    void SetAfterFirstPaint(AfterFirstPaint action) { afterFirstPaint_ = action; }

    // Brings the window, and a modal box open over it, to the front.
    void BringForward();
    // Puts the window's open boxes above it again, the modal one on top and active.
    void RaiseBoxes();

signals:
    // The window has painted for the first time, so a window manager has placed it by now.
    void firstPainted();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    ShellState state_;
    EntryForm *form_ = nullptr;
    MainToolbar *toolbar_ = nullptr;
    std::unique_ptr<CommandDispatcher> dispatcher_;
    bool destroyed_ = false;
    bool painted_ = false;
    AfterFirstPaint afterFirstPaint_ = AfterFirstPaint::Continue;
};

} // namespace plenta
