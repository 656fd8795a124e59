#include "phonesim/link/manualscheduler.h"

#include <algorithm>

namespace phonesim {

Scheduler::TimerId ManualScheduler::after(Millis delay, std::function<void()> fn) {
    const TimerId id = nextId_++;
    timers_.emplace(std::make_pair(now_ + std::max(delay, Millis(0)), id), std::move(fn));
    return id;
}

void ManualScheduler::cancel(TimerId id) {
    std::erase_if(timers_, [id](const auto& entry) { return entry.first.second == id; });
}

void ManualScheduler::advance(Millis step) {
    const Millis end = now_ + step;
    while (!timers_.empty() && timers_.begin()->first.first <= end) {
        auto node = timers_.extract(timers_.begin());
        now_ = node.key().first;
        node.mapped()();
    }
    now_ = end;
}

}  // namespace phonesim
