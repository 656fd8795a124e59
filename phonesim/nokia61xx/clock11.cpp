// Type 0x11, the phone's clock. Every answer repeats 00 01 00 and a sub-code:
//
//   62          read → 63, 4 date set (01/00), 5 time set (01/00), 6–7 00,
//                      8–9 year (big-endian), 10 month, 11 day, 12 hour,
//                      13 minute, 14 second; a clock never set answers
//                      63 00 00 and nothing more
//   60 01 01 07 Yh Yl Mo D h m x   set → 61 01 (the last byte is not the
//                      seconds: they start from 0); a date the phone cannot
//                      hold → 61 6F
//
// The simulated clock stands still between a set and a read.
#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

void onClockRead(Phone& phone, std::span<const uint8_t>) {
    const auto& clock = phone.fixture.data.settings.clock;
    if (!clock) {
        phone.answer({0x11, {0x00, 0x01, 0x00, 0x63, 0x00, 0x00}});
        return;
    }
    phone.answer(
        {0x11,
         {0x00, 0x01, 0x00, 0x63, 0x01, 0x01, 0x00, 0x00, static_cast<uint8_t>(clock->year >> 8),
          static_cast<uint8_t>(clock->year), static_cast<uint8_t>(clock->month),
          static_cast<uint8_t>(clock->day), static_cast<uint8_t>(clock->hour),
          static_cast<uint8_t>(clock->minute), static_cast<uint8_t>(clock->second)}});
}

void onClockSet(Phone& phone, std::span<const uint8_t> body) {
    constexpr uint8_t kRefused = 0x6F;
    if (body.size() < 13) {
        phone.answer({0x11, {0x00, 0x01, 0x00, 0x61, kRefused}});
        return;
    }
    const DateTime time{body[7] << 8 | body[8], body[9], body[10], body[11], body[12], 0};
    if (time.month < 1 || time.month > 12 || time.day < 1 || time.day > 31 || time.hour > 23 ||
        time.minute > 59) {
        phone.answer({0x11, {0x00, 0x01, 0x00, 0x61, kRefused}});
        return;
    }
    phone.fixture.data.settings.clock = time;
    phone.answer({0x11, {0x00, 0x01, 0x00, 0x61, 0x01}});
}

}  // namespace phonesim::nokia61xx
