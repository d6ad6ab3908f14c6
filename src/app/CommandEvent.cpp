// SPDX-License-Identifier: GPL-3.0-or-later
// A command posted to the main window.
#include "app/CommandEvent.h"

#include <QCoreApplication>

namespace plenta {

CommandEvent::CommandEvent(Command command)
    : QEvent(EventType())
    , command_(command) {}

QEvent::Type CommandEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostCommand(QObject &target, Command command) {
    QCoreApplication::postEvent(&target, new CommandEvent(command));
}

} // namespace plenta
