// Type 0x1B: the identity requests of other FBUS clients (the 7110 driver of
// the library uses 0xD1 and 0x40 instead). Answers repeat 00 01 00 and the
// sub-command + 1:
//
//   00 01 00 01        IMEI          → 00 01 00 02, IMEI, NUL (from byte 4)
//   00 01 00 03 01 32  version text  → 00 01 00 04 00, the 0xD2 text (from byte 5)
#include "phonesim/nokia61xx/requests.h"
#include "phonesim/nokia7110/requests.h"

namespace phonesim::nokia7110 {

void onIdentityRequest(Phone& phone, std::span<const uint8_t> body) {
    const Identity& identity = phone.fixture.identity;
    std::vector<uint8_t> answer;
    if (body[3] == 0x01) {
        answer = {0x00, 0x01, 0x00, 0x02};
        const auto imei = nokia61xx::latin1(identity.imei);
        answer.insert(answer.end(), imei.begin(), imei.end());
    } else {
        answer = {0x00, 0x01, 0x00, 0x04, 0x00};
        const auto text = nokia61xx::versionText(identity);
        answer.insert(answer.end(), text.begin(), text.end());
    }
    answer.push_back(0x00);
    phone.answer({0x1B, std::move(answer)});
}

}  // namespace phonesim::nokia7110
