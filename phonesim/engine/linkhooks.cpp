#include "phonesim/engine/linkhooks.h"

namespace phonesim {

LinkHooks::LinkHooks(Transport& transport, Scheduler& scheduler, Faults& faults, Handlers handlers)
    : transport_(transport), faults_(faults) {
    transport.setReceiver(std::move(handlers.bytesIn));
    transport.setSessionHandler(std::move(handlers.sessionEnded));
    faults.setHangUpHandler(
        [&scheduler, hangUp = std::move(handlers.hangUp), alive = std::weak_ptr<int>(lifetime_)] {
            scheduler.post([hangUp, alive] {
                if (alive.lock()) hangUp();
            });
        });
}

LinkHooks::~LinkHooks() {
    faults_.setHangUpHandler({});
    transport_.setReceiver({});
    transport_.setSessionHandler({});
}

}  // namespace phonesim
