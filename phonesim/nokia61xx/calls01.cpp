// Type 0x01, 00 01 00 20: the calls in progress (asked by PCs that follow
// calls on 6110-class phones). Answer 00 01 00 21, the number of calls at 4,
// then per call 64, length, id, channel, state, previous state, 4 bytes,
// name length, name. The simulated phone is always idle: 21 00.
#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

void onActiveCallsRequest(Phone& phone, std::span<const uint8_t>) {
    phone.answer({0x01, {0x00, 0x01, 0x00, 0x21, 0x00}});
}

}  // namespace phonesim::nokia61xx
