// SPDX-License-Identifier: GPL-3.0-or-later
// The 240 x 34 strip of mark, save, delete and About buttons below the entry form. It only reports taps; what
// a command does is the dispatcher's business.
#pragma once

#include "ui/ToolbarButtons.h"

#include <QWidget>

#include <array>

class QToolButton;

namespace plenta {

class MainToolbar : public QWidget {
    Q_OBJECT

public:
    explicit MainToolbar(QWidget *parent = nullptr);

    // The button of this command; its isChecked() and isEnabled() are the toolbar's state.
    QToolButton *Button(Command command) const;
    QSize sizeHint() const override;

    // Shows the toolbar `zoom` times larger, every image pixel a zoom x zoom block; zoom 1 is the handheld's.
    void SetZoom(int zoom);

signals:
    // A tap on an enabled button; a check button has already flipped its own checked bit.
    void commandTriggered(plenta::Command command);

protected:
    // Taps between the buttons belong to the toolbar, not to the main window below it.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // One per entry of TOOLBAR_BUTTONS; null for the separators.
    std::array<QToolButton *, TOOLBAR_BUTTONS.size()> buttons_{};
    int zoom_ = 1;
};

// Checks or unchecks the button of `command`; a missing toolbar is left alone, and a push button stays
// unchecked.
void SetButtonChecked(MainToolbar *toolbar, Command command, bool checked);
// Enables or disables the button of `command`; a missing toolbar is left alone.
void SetButtonEnabled(MainToolbar *toolbar, Command command, bool enabled);

// Creates the toolbar in its band at TOOLBAR_TOP, across the window, with its tooltips.
MainToolbar *CreateMainToolbar(QWidget &mainWindow);

} // namespace plenta
