// Scheduler with a clock that only moves when a test advances it. Timers
// fire in order of their due time inside advance(); posted functions run at
// once. For single-threaded tests only.
#pragma once

#include <map>
#include <utility>

#include "phonesim/link/scheduler.h"

namespace phonesim {

class ManualScheduler : public Scheduler {
  public:
    Millis now() const override { return now_; }
    TimerId after(Millis delay, std::function<void()> fn) override;
    void cancel(TimerId id) override;
    void post(std::function<void()> fn) override { fn(); }

    // Moves the clock forward, running every timer that falls due on the way.
    void advance(Millis step);
    size_t pendingTimers() const { return timers_.size(); }

  private:
    Millis now_{0};
    TimerId nextId_ = 1;
    // Ordered by due time, then by creation.
    std::map<std::pair<Millis, TimerId>, std::function<void()>> timers_;
};

}  // namespace phonesim
