// Ringtones; the phone keeps the bytes of an upload (see
// fixture/ringtonenotes.h for reading them back as notes).
//
//   0x05: 00 01 00 36 L 00 p, p ringtone bytes    into location L → 37
//   0x40: 00 01 9E L                              read location L →
//         00 01 9E L 00 00 p(2) ringtone bytes from 8, or 00 01 9E L 0A
//         when nothing is there (which ends a PC's walk through the list)
//
// Smart messages handed to the phone with type 0x12 (0C 01, a user data
// header with the destination port, the data) go where their port says:
// 1581 ringtones, 1582 operator logos; the phone drops other ports.
#include <algorithm>
#include <optional>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr size_t kPadding = 8;
constexpr uint8_t kNothingThere = 0x0A;
constexpr int kRingtonePort = 0x1581;
constexpr int kOperatorLogoPort = 0x1582;

void keep(Phone& phone, std::optional<int> location, std::span<const uint8_t> bytes) {
    auto& ringtones = phone.fixture.data.ringtones;
    std::erase_if(ringtones, [&](const ReceivedRingtone& r) { return r.location == location; });
    ringtones.push_back({location, {bytes.begin(), bytes.end()}});
}

}  // namespace

void onRingtoneUpload05(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 7 || body.size() < size_t{7} + body[6]) return;
    keep(phone, body[4], body.subspan(7, body[6]));
    phone.answer({0x05, {0x00, 0x01, 0x00, 0x37}});
}

void onRingtoneRead(Phone& phone, std::span<const uint8_t> body) {
    if (!phone.extendedCommands || body.size() < 4) return;
    const uint8_t location = body[3];
    const auto& ringtones = phone.fixture.data.ringtones;
    const auto stored =
        std::find_if(ringtones.begin(), ringtones.end(),
                     [&](const ReceivedRingtone& r) { return r.location == location; });
    if (stored == ringtones.end()) {
        phone.answer({0x40, {0x00, 0x01, 0x9E, location, kNothingThere}});
        return;
    }
    const auto size = stored->bytes.size();
    std::vector<uint8_t> answer = {0x00,
                                   0x01,
                                   0x9E,
                                   location,
                                   0x00,
                                   0x00,
                                   static_cast<uint8_t>(size >> 8),
                                   static_cast<uint8_t>(size)};
    answer.insert(answer.end(), stored->bytes.begin(), stored->bytes.end());
    phone.answer({0x40, std::move(answer)});
}

void onSmartMessage12(Phone& phone, std::span<const uint8_t> body) {
    // 0C 01, the header's length, its elements; element 05 holds the
    // 16-bit destination and source ports.
    if (body.size() < 4 || body.size() < size_t{3} + body[2]) return;
    const size_t headerEnd = 3 + body[2];
    int port = -1;
    for (size_t i = 3; i + 1 < headerEnd; i += 2 + body[i + 1]) {
        if (body[i] == 0x05 && body[i + 1] >= 4 && i + 3 < headerEnd)
            port = body[i + 2] << 8 | body[i + 3];
    }
    auto data = body.subspan(headerEnd);
    switch (port) {
        case kRingtonePort:
            // Some PCs pad the tune with eight zero bytes.
            if (data.size() >= kPadding &&
                std::all_of(data.end() - kPadding, data.end(), [](uint8_t b) { return b == 0; })) {
                data = data.first(data.size() - kPadding);
            }
            return keep(phone, std::nullopt, data);
        case kOperatorLogoPort:
            return keepOperatorLogo(phone, data);
        default:
            return;
    }
}

}  // namespace phonesim::nokia61xx
