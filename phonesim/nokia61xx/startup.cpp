// What a PC asks a 6110-class phone while it sets up the link, besides the
// identity. Every answer repeats 00 01 00 (00 01 on type 0x40) and a sub-code:
//
//   0x02: 0D 00 00 02 / 0D 01 00 02   start of the accessory handshake
//                                     → 0E (the body ends there: 4 bytes)
//   0x02: 20 02                       handshake step         → 21 01
//   0x02: 20 on 01 00 00 01 01        cell broadcast on/off  → 21 01
//   0x64: 12 token "NOKIA&NOKIAaccessory"   not answered: the phone only
//                                     shows an accessory message
//   0x0C: 40 01                       key table → 41, from byte 4 one
//                                     NUL-ended string per key 1 … 9, 0, two
//                                     empty strings, then the symbols
#include <array>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr std::array<const char*, 10> kKeyCharacters = {".,?!-1", "abc2",  "def3", "ghi4",  "jkl5",
                                                        "mno6",   "pqrs7", "tuv8", "wxyz9", " 0"};
constexpr const char* kSymbols = ".,'?!\"-()@/:_;+&%*=<>$[]{}\\~^#|";

}  // namespace

void onHandshakeStart(Phone& phone, std::span<const uint8_t>) {
    phone.answer({0x02, {0x00, 0x01, 0x00, 0x0E}});
}

void onCellBroadcast(Phone& phone, std::span<const uint8_t> body) {
    // 20 02 is a step of the handshake, 20 01 … switches broadcasts on.
    if (body.size() > 4 && body[4] != 0x02) phone.cellBroadcast = body[4] == 0x01;
    phone.answer({0x02, {0x00, 0x01, 0x00, 0x21, 0x01}});
}

void onKeyTableRequest(Phone& phone, std::span<const uint8_t>) {
    std::vector<uint8_t> answer = {0x00, 0x01, 0x00, 0x41};
    const auto add = [&](const char* text) {
        for (const char* c = text; *c; ++c) answer.push_back(static_cast<uint8_t>(*c));
        answer.push_back(0x00);
    };
    for (const char* key : kKeyCharacters) add(key);
    add("");
    add("");
    add(kSymbols);
    phone.answer({0x0C, std::move(answer)});
}

}  // namespace phonesim::nokia61xx
