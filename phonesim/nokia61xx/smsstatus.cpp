// Type 0x14, 00 01 00 36 64: how many messages the SIM holds. Answer
// 00 01 00 37, bytes 4–6 00, 7 the SIM's message capacity, 8–9 00, 10 the
// messages stored, 11 how many of them are unread.
#include <algorithm>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

void onMessageStatusRequest(Phone& phone, std::span<const uint8_t>) {
    const MessageData& messages = phone.fixture.messages;
    const auto unread = std::count_if(messages.stored.begin(), messages.stored.end(),
                                      [](const auto& entry) { return entry.second.unread; });
    const auto clip = [](qsizetype n) {
        return static_cast<uint8_t>(std::clamp<qsizetype>(n, 0, 255));
    };
    phone.answer({0x14,
                  {0x00, 0x01, 0x00, 0x37, 0x00, 0x00, 0x00, clip(messages.capacity), 0x00, 0x00,
                   clip(static_cast<qsizetype>(messages.stored.size())), clip(unread)}});
}

}  // namespace phonesim::nokia61xx
