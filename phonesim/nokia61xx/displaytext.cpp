// Type 0x0D, sub-code 0x50: the phone tells the PC what its display shows.
// 00 01 00 50, row (byte 4), column (5), 00, the character count at 7, then
// each character as a big-endian 16-bit value from byte 8.
#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr qsizetype kMaxCharacters = 255;

}  // namespace

Message displayTextMessage(const QString& text) {
    const QString shown = text.left(kMaxCharacters);
    std::vector<uint8_t> body = {0x00, 0x01, 0x00, 0x50,
                                 0x01, 0x00, 0x00, static_cast<uint8_t>(shown.size())};
    for (const QChar c : shown) {
        body.push_back(static_cast<uint8_t>(c.unicode() >> 8));
        body.push_back(static_cast<uint8_t>(c.unicode() & 0xFF));
    }
    return {0x0D, std::move(body)};
}

}  // namespace phonesim::nokia61xx
