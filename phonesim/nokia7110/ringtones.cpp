// Ringtone uploads of the 7110 family, kept as received (not answered).
//
//   0x1F  00 01 01 1F 00 location + 0x74, then the ringtone (note pairs,
//         see fixture/ringtonenotes.h), kept from byte 6 on
//   0x00  7C 01 00 0D 00 00 00 00 00 00 N, the N Smart Messaging bytes,
//         eight bytes 00
#include "phonesim/nokia7110/requests.h"

namespace phonesim::nokia7110 {

namespace {

constexpr uint8_t kLocationBase = 0x74;

}  // namespace

void onBinaryRingtoneUpload(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 7 || body[5] < kLocationBase) return;
    phone.fixture.data.ringtones.push_back(
        {body[5] - kLocationBase, {body.begin() + 6, body.end()}, true});
}

void onRingtoneUpload00(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 11 || body[1] != 0x01 || body[3] != 0x0D) return;
    const size_t length = body[10];
    if (11 + length > body.size()) return;
    phone.fixture.data.ringtones.push_back(
        {std::nullopt, {body.begin() + 11, body.begin() + 11 + static_cast<long>(length)}, false});
}

}  // namespace phonesim::nokia7110
