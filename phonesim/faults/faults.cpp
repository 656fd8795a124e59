#include "phonesim/faults/faults.h"

namespace phonesim {

void Faults::silenceFor(Millis duration) {
    silentUntil_ = (clock_.now() + duration).count();
}

void Faults::setSeed(uint32_t seed) {
    seed_ = seed;
    ++seedGeneration_;
}

void Faults::hangUp() {
    std::lock_guard lock(handlerMutex_);
    if (hangUpHandler_) hangUpHandler_();
}

void Faults::setHangUpHandler(std::function<void()> handler) {
    std::lock_guard lock(handlerMutex_);
    hangUpHandler_ = std::move(handler);
}

}  // namespace phonesim
