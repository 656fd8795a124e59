// Type 0x04, 00 01 00 01: the status request the keep-alive sends every
// second. Answer 00 01 00 02, phone on (byte 4), signal level at 5, the
// power source at 7 (01 mains, 02 the battery: the simulated phone runs on
// its battery), battery level at 8; levels 0 to 4.
#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

void onStatusRequest(Phone& phone, std::span<const uint8_t>) {
    const auto signal = static_cast<uint8_t>(phone.fixture.signal);
    const auto battery = static_cast<uint8_t>(phone.fixture.battery);
    phone.answer({0x04, {0x00, 0x01, 0x00, 0x02, 0x01, signal, 0x00, 0x02, battery}});
}

}  // namespace phonesim::nokia61xx
