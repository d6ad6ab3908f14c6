// A command posted to the main window.
#include "CommandEvent.h"

#include <QCoreApplication>

namespace plenta {

CommandEvent::CommandEvent(std::uint32_t commandParameter)
    : QEvent(EventType())
    , commandParameter_(commandParameter) {}

QEvent::Type CommandEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostCommand(QObject &target, std::uint32_t commandParameter) {
    QCoreApplication::postEvent(&target, new CommandEvent(commandParameter));
}

} // namespace plenta
