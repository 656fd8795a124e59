// What ties a simulated phone to its link: bytes from the transport, the
// end of a session and the hang-up fault reach the phone's handlers while
// the hooks live; they are taken back when the hooks go (before the phone).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "phonesim/faults/faults.h"
#include "phonesim/link/scheduler.h"
#include "phonesim/transport/transport.h"

namespace phonesim {

class LinkHooks {
  public:
    struct Handlers {
        std::function<void(std::span<const uint8_t>)> bytesIn;
        std::function<void()> sessionEnded;
        std::function<void()> hangUp;  // runs on the simulator's thread
    };

    LinkHooks(Transport& transport, Scheduler& scheduler, Faults& faults, Handlers handlers);
    ~LinkHooks();
    LinkHooks(const LinkHooks&) = delete;
    LinkHooks& operator=(const LinkHooks&) = delete;

  private:
    Transport& transport_;
    Faults& faults_;
    // Lets a hang-up posted from another thread see that the phone is gone.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>();
};

}  // namespace phonesim
