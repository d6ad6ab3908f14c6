// SPDX-License-Identifier: GPL-3.0-or-later
// The About box of template 100: icon, name and version, two credit lines, "Info" for the key help and
// "Ende", which sends the exit command to the main window. It keeps no state of its own.
#pragma once

#include "ui/Command.h"

#include <QDialog>

#include <functional>

class QPushButton;

namespace plenta {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    // `sendCommand` delivers a command to the main window synchronously, as "Ende" needs.
    AboutBox(QWidget *owner, std::function<void(Command)> sendCommand);

    QPushButton *ExitButton() const { return exit_; }
    QPushButton *InfoButton() const { return info_; }

    // The box centred over its owner on the screen, never left of or above the owner's client area.
    QPoint PlacementOverOwner() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowHelp();

    std::function<void(Command)> sendCommand_;
    QPushButton *exit_ = nullptr;
    QPushButton *info_ = nullptr;
};

} // namespace plenta
