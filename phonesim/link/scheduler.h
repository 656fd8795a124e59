// Time for the simulator: a monotonic clock and one-shot timers. The
// simulator thread uses Qt timers; unit tests use a clock they advance by
// hand, so resends and delays can be checked without waiting.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace phonesim {

using Millis = std::chrono::milliseconds;

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; safe to call from any thread.
    virtual Millis now() const = 0;
};

class SteadyClock : public Clock {
  public:
    Millis now() const override {
        return std::chrono::duration_cast<Millis>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
};

class Scheduler : public Clock {
  public:
    using TimerId = uint64_t;
    // Runs fn once after the delay, on the simulator's own thread.
    virtual TimerId after(Millis delay, std::function<void()> fn) = 0;
    // Cancelling a timer that has run or was cancelled already does nothing.
    virtual void cancel(TimerId id) = 0;
    // Runs fn soon on the simulator's own thread; safe to call from any thread.
    virtual void post(std::function<void()> fn) = 0;
};

}  // namespace phonesim
