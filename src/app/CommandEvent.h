// SPDX-License-Identifier: GPL-3.0-or-later
// A command posted to the main window: it runs after the current event, through the same handling as a
// toolbar tap.
#pragma once

#include "ui/Command.h"

#include <QEvent>

class QObject;

namespace plenta {

class CommandEvent : public QEvent {
public:
    explicit CommandEvent(Command command);

    static QEvent::Type EventType();
    Command PostedCommand() const { return command_; }

private:
    Command command_;
};

// Queues the command for `target`; the event loop delivers it later.
void PostCommand(QObject &target, Command command);

} // namespace plenta
