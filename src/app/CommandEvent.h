// A command posted to the main window, the stand-in for a queued WM_COMMAND: it runs after the current event,
// through the same handling as a toolbar tap.
#pragma once

#include <QEvent>

#include <cstdint>

class QObject;

namespace plenta {

class CommandEvent : public QEvent {
public:
    explicit CommandEvent(std::uint32_t commandParameter);

    static QEvent::Type EventType();
    std::uint32_t CommandParameter() const { return commandParameter_; }

private:
    std::uint32_t commandParameter_;
};

// Queues the command for `target`; the event loop delivers it later.
void PostCommand(QObject &target, std::uint32_t commandParameter);

} // namespace plenta
