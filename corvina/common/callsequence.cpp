#include "corvina/common/callsequence.h"

#include <QTimer>

#include "phonelib/api/status.h"

namespace corvina {

CallSequence::CallSequence(QObject* parent) : QObject(parent) {}

void CallSequence::add(Call call, Then then) {
    steps_.push_back({std::move(call), std::move(then)});
    if (running_) return;
    running_ = true;
    schedule(0);
}

void CallSequence::cancel() {
    steps_.clear();
}

void CallSequence::schedule(int milliseconds) {
    QTimer::singleShot(milliseconds, this, [this] { runNext(); });
}

void CallSequence::runNext() {
    if (steps_.empty()) {
        running_ = false;
        emit finished();
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    const uint8_t status = step.call();
    if (status == phonelib::stCallInProgress) {
        steps_.push_front(std::move(step));
        schedule(retryMs_);
        return;
    }
    if (step.then) step.then(status);
    schedule(0);
}

}  // namespace corvina
