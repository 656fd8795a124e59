// Answers held back by the delay fault (Faults::setAnswerDelay): sent at
// once without one, otherwise later on the simulator's thread, in order.
#pragma once

#include <functional>
#include <set>

#include "phonesim/faults/faults.h"
#include "phonesim/link/scheduler.h"

namespace phonesim {

class AnswerDelay {
  public:
    AnswerDelay(Scheduler& scheduler, Faults& faults) : scheduler_(scheduler), faults_(faults) {}
    ~AnswerDelay() { cancelAll(); }
    AnswerDelay(const AnswerDelay&) = delete;
    AnswerDelay& operator=(const AnswerDelay&) = delete;

    // Runs `send` now, or when the fault's delay has passed.
    void deliver(std::function<void()> send);
    // Drops every answer still held back.
    void cancelAll();

  private:
    Scheduler& scheduler_;
    Faults& faults_;
    std::set<Scheduler::TimerId> pending_;
};

}  // namespace phonesim
