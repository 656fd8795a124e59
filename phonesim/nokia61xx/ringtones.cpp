// Ringtone uploads; the phone keeps the bytes (see fixture/ringtonenotes.h
// for reading them back as notes). Not answered.
//
//   0x05: 00 01 00 36 L 00 p, p ringtone bytes       into location L
//   0x12: 0C 01 06 05 04 15 81 15 81, ringtone bytes, 8 x 00
#include <optional>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr size_t kHeader12 = 9;
constexpr size_t kTrailer12 = 8;

void keep(Phone& phone, std::optional<int> location, std::span<const uint8_t> bytes) {
    auto& ringtones = phone.fixture.data.ringtones;
    std::erase_if(ringtones, [&](const ReceivedRingtone& r) { return r.location == location; });
    ringtones.push_back({location, {bytes.begin(), bytes.end()}});
}

}  // namespace

void onRingtoneUpload05(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 7 || body.size() < size_t{7} + body[6]) return;
    keep(phone, body[4], body.subspan(7, body[6]));
}

void onRingtoneUpload12(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < kHeader12 + kTrailer12) return;
    keep(phone, std::nullopt, body.subspan(kHeader12, body.size() - kHeader12 - kTrailer12));
}

}  // namespace phonesim::nokia61xx
