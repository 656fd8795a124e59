// The two kinds of export wrapper. Both run on the library thread, set Busy
// around the driver call and answer "not available" for an empty slot
// without calling anything. Guarded wrappers first answer "not connected"
// while no phone is connected.
#pragma once

#include <cstdint>
#include <utility>

#include "phonelib/api/library.h"
#include "phonelib/api/status.h"

namespace phonelib::wrap {

// Calls a slot of the driver table; library thread only.
template <class Slot, class... Args>
uint8_t callSlot(Slot DriverTable::*slot, Args&&... args) {
    auto& library = lib();
    // A copy: a driver may rebind slots while its own procedure runs.
    const auto procedure = library.table.*slot;
    if (!procedure) return stNotAvailable;
    library.state.Busy = true;
    const uint8_t result = procedure(std::forward<Args>(args)...);
    library.state.Busy = false;
    return result;
}

template <class Slot, class... Args>
uint8_t guarded(Slot DriverTable::*slot, Args&&... args) {
    return lib().call([&] {
        if (!lib().state.Connected) return uint8_t{stNotConnected};
        return callSlot(slot, std::forward<Args>(args)...);
    });
}

template <class Slot, class... Args>
uint8_t unguarded(Slot DriverTable::*slot, Args&&... args) {
    return lib().call([&] { return callSlot(slot, std::forward<Args>(args)...); });
}

}  // namespace phonelib::wrap
