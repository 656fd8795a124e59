// The two kinds of export wrapper. Both run on the library thread, set Busy
// around the driver call and answer "not available" for an empty slot
// without calling anything. Guarded wrappers first answer "not connected"
// while no phone is connected. Once the link has ended (the phone hung up
// or fell silent) both answer "not connected" at once, and so does the call
// during which it ended, unless it got its answer first: a transfer stops
// there instead of waiting out every request.
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
    if (library.linkWatch.ended()) return stNotConnected;
    if (!procedure) return stNotAvailable;
    library.state.Busy = true;
    const uint8_t result = procedure(std::forward<Args>(args)...);
    library.state.Busy = false;
    return result != stDone && library.linkWatch.ended() ? uint8_t{stNotConnected} : result;
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
