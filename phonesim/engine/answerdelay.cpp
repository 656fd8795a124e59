#include "phonesim/engine/answerdelay.h"

#include <memory>

namespace phonesim {

void AnswerDelay::deliver(std::function<void()> send) {
    const Millis delay = faults_.answerDelay();
    if (delay <= Millis(0)) {
        send();
        return;
    }
    auto id = std::make_shared<Scheduler::TimerId>();
    *id = scheduler_.after(delay, [this, id, send = std::move(send)] {
        pending_.erase(*id);
        send();
    });
    pending_.insert(*id);
}

void AnswerDelay::cancelAll() {
    for (const auto id : pending_) scheduler_.cancel(id);
    pending_.clear();
}

}  // namespace phonesim
