// SPDX-License-Identifier: GPL-3.0-or-later
// Processes events until a condition holds or a generous time-out passes; the time-out only ends a test that
// would otherwise hang, it is never the thing tested.
#pragma once

#include <QDeadlineTimer>
#include <QTest>

#include <functional>

namespace plenta {

inline constexpr int WAIT_LIMIT_MS = 10000;

inline bool WaitFor(const std::function<bool()> &condition, int limitMs = WAIT_LIMIT_MS) {
    QDeadlineTimer deadline(limitMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}

} // namespace plenta
