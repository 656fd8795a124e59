// Type 0x7A, the start-up logo as stripes (8 rows a stripe).
//
//   00 01 00 EC 15 00 00 00 04 C0 02 00 h C0 03 00 w C0 04, size (2), stripes,
//   one more byte                       upload (not answered)
//   00 01 01 EE 15                      read
//     → 00 01 01 EF 15 00 00 00 00 04 C0 02 00 h C0 03 00 w C0 04, size (2),
//       stripes: height at 13, width at 17, stripes from 22 (0 x 0 without
//       a logo)
#include "phonesim/nokia61xx/picturebits.h"
#include "phonesim/nokia7110/requests.h"

namespace phonesim::nokia7110 {

void onStartupLogoUpload(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 21) return;
    const int height = body[12];
    const int width = body[16];
    const size_t size = static_cast<size_t>(body[19] << 8 | body[20]);
    if (static_cast<int>(size) != nokia61xx::pictureBytes(width, height)) return;
    if (const auto picture = nokia61xx::pictureFromStripes(width, height, body.subspan(21))) {
        phone.fixture.data.startupLogo = *picture;
    }
}

void onStartupLogoRequest(Phone& phone, std::span<const uint8_t>) {
    const auto& logo = phone.fixture.data.startupLogo;
    const std::vector<uint8_t> stripes =
        logo ? nokia61xx::stripeData(*logo) : std::vector<uint8_t>{};
    const auto width = static_cast<uint8_t>(logo ? logo->width : 0);
    const auto height = static_cast<uint8_t>(logo ? logo->height : 0);
    std::vector<uint8_t> body = {0x00,
                                 0x01,
                                 0x01,
                                 0xEF,
                                 0x15,
                                 0x00,
                                 0x00,
                                 0x00,
                                 0x00,
                                 0x04,
                                 0xC0,
                                 0x02,
                                 0x00,
                                 height,
                                 0xC0,
                                 0x03,
                                 0x00,
                                 width,
                                 0xC0,
                                 0x04,
                                 static_cast<uint8_t>(stripes.size() >> 8),
                                 static_cast<uint8_t>(stripes.size())};
    body.insert(body.end(), stripes.begin(), stripes.end());
    phone.answer({0x7A, std::move(body)});
}

}  // namespace phonesim::nokia7110
