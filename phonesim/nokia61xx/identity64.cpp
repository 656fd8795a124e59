// Type 0x64, 00 01 00 10: the identity request of the 6110 and 5110. The
// answer 00 01 00 11 carries NUL-terminated strings at fixed places: IMEI at
// 9, model code at 25, production data at 31, hardware version at 39,
// software version at 44, then four bytes at 50 to 53 that the phone uses
// when an accessory authenticates itself. A string longer than its place is
// cut so the places stay where a PC looks for them.
#include <array>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr size_t kAnswerSize = 54;
constexpr std::array<uint8_t, 4> kAccessoryMagic = {0x2F, 0x91, 0x5C, 0x07};

void place(std::vector<uint8_t>& body, size_t at, size_t end, const QString& text) {
    const auto bytes = latin1(text);
    for (size_t i = 0; i < bytes.size() && at + i + 1 < end; ++i) body[at + i] = bytes[i];
}

}  // namespace

void onIdentityRequest(Phone& phone, std::span<const uint8_t>) {
    const Identity& id = phone.fixture.identity;
    std::vector<uint8_t> body(kAnswerSize, 0x00);
    body[1] = 0x01;
    body[3] = 0x11;
    place(body, 9, 25, id.imei);
    place(body, 25, 31, id.modelCode);
    place(body, 31, 39, id.productionData);
    place(body, 39, 44, id.hardwareVersion);
    place(body, 44, 50, id.softwareVersion);
    std::copy(kAccessoryMagic.begin(), kAccessoryMagic.end(), body.begin() + 50);
    phone.answer({0x64, std::move(body)});
}

}  // namespace phonesim::nokia61xx
