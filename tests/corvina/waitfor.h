// Processes events until a condition holds. The time limit only keeps a
// broken test from hanging; no test asserts on how long anything took.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

namespace testing_support {

inline bool waitFor(const std::function<bool()>& condition, int limitMs = 20000) {
    QDeadlineTimer deadline(limitMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

}  // namespace testing_support
