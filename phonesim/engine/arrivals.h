// Messages of the fixture that come in while a PC is connected: each one its
// time after the PC's first request, whatever the phone speaks.
#pragma once

#include <functional>
#include <vector>

#include "phonesim/fixture/fixture.h"
#include "phonesim/link/scheduler.h"

namespace phonesim {

class Arrivals {
  public:
    explicit Arrivals(Scheduler& scheduler) : scheduler_(scheduler) {}
    ~Arrivals();
    Arrivals(const Arrivals&) = delete;
    Arrivals& operator=(const Arrivals&) = delete;

    // Takes the fixture's arriving messages and lets each come in its time
    // through `deliver`; a message leaves the list when it is taken.
    void schedule(Fixture& fixture, const std::function<void(const StoredMessage&)>& deliver);

  private:
    Scheduler& scheduler_;
    std::vector<Scheduler::TimerId> timers_;
};

}  // namespace phonesim
