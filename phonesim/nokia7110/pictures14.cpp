// Type 0x14, 00 01 00 50: a picture image into a slot (not answered).
//
//   00 01 00 50 07 21 00 slot 07, 32 bytes 00, 04, 00 00 00 00, 01,
//   width (47), height (48), size (49-50), row data from 51, then the text's
//   length in characters, the text in septets, 01 and one more byte
#include "codecs/tools/gsmtext.h"
#include "codecs/tools/hextext.h"
#include "codecs/tools/septets.h"
#include "phonesim/nokia61xx/picturebits.h"
#include "phonesim/nokia7110/requests.h"

namespace phonesim::nokia7110 {

namespace {

constexpr size_t kWidthAt = 47;
constexpr size_t kRowsAt = 51;

QString septetText(std::span<const uint8_t> packed, size_t characters) {
    std::string text = tools::unpackseptets(
        tools::bytestohex(std::string(packed.begin(), packed.end())), static_cast<int>(characters));
    tools::gsmtolatin(text);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void onPictureImageUpload(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() <= kRowsAt) return;
    const int width = body[kWidthAt];
    const int height = body[kWidthAt + 1];
    const size_t size = static_cast<size_t>(body[49] << 8 | body[50]);
    if (static_cast<int>(size) != nokia61xx::pictureBytes(width, height) ||
        kRowsAt + size >= body.size()) {
        return;
    }
    const auto picture = nokia61xx::pictureFromRows(width, height, body.subspan(kRowsAt, size));
    if (!picture) return;
    const size_t characters = body[kRowsAt + size];
    const size_t packed = (characters * 7 + 7) / 8;
    const auto textBytes = body.subspan(kRowsAt + size + 1);
    if (textBytes.size() < packed) return;
    const int slot = body[7];
    auto& pictures = phone.fixture.data.pictures;
    std::erase_if(pictures, [&](const PictureImage& p) { return p.slot == slot; });
    pictures.push_back({slot, *picture, septetText(textBytes.first(packed), characters)});
}

}  // namespace phonesim::nokia7110
