#include "phonesim/engine/arrivals.h"

#include <utility>

namespace phonesim {

Arrivals::~Arrivals() {
    for (const auto timer : timers_) scheduler_.cancel(timer);
}

void Arrivals::schedule(Fixture& fixture,
                        const std::function<void(const StoredMessage&)>& deliver) {
    for (const ArrivingMessage& arriving : std::exchange(fixture.messages.arriving, {})) {
        timers_.push_back(scheduler_.after(
            Millis(arriving.afterMs), [deliver, message = arriving.message] { deliver(message); }));
    }
}

}  // namespace phonesim
