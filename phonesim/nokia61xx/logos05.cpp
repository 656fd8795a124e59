// Type 0x05 logos and type 0x47 picture images.
//
//   00 01 00 30 x c1 c2 c3 s s 00 w h 01 rows    operator logo (network code as
//                                                semi-octets, s s = size + 4)
//                                                -> 00 01 00 31
//   00 01 00 33                                  -> 00 01 00 34 01 c1 c2 c3 s s 00
//                                                   w h 01 rows (0 x 0: none)
//   00 01 00 18 n, n blocks                      start-up logo and texts
//                                                -> 00 01 00 19 01
//   00 01 00 16                                  -> 00 01 00 17 n, n blocks
//   0x47: 00 01 00 03 slot 00 81 00 00 00 w h 01 rows   picture image (not answered)
//
// The blocks of the start-up message: 01 h w stripes (the start-up logo),
// 02 length text (the welcome note), 03 length text (a second note the phone
// keeps but this simulator does not). The answer holds the logo (white when
// none was uploaded) and the welcome note.
#include "phonesim/nokia61xx/picturebits.h"
#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr uint8_t kLogoBlock = 0x01;
constexpr uint8_t kWelcomeBlock = 0x02;
constexpr uint8_t kSecondNoteBlock = 0x03;
constexpr int kStartupWidth = 84;
constexpr int kStartupHeight = 48;

// Country code and network code from three semi-octet bytes (62 F2 10 is
// 262 / 01); a third network digit sits in the high nibble of the middle byte.
QString networkCodeOf(std::span<const uint8_t> code) {
    const int nibbles[] = {code[0] & 0x0F, code[0] >> 4, code[1] & 0x0F,
                           code[2] & 0x0F, code[2] >> 4, code[1] >> 4};
    QString text;
    for (const int digit : nibbles) {
        if (digit <= 9) text += QChar(u'0' + digit);
    }
    return text;
}

std::array<uint8_t, 3> semiOctetsOf(const QString& networkCode) {
    const auto digit = [&](qsizetype i) {
        return i < networkCode.size() ? static_cast<uint8_t>(networkCode[i].digitValue()) : 0x0F;
    };
    return {static_cast<uint8_t>(digit(1) << 4 | digit(0)),
            static_cast<uint8_t>(digit(5) << 4 | digit(2)),
            static_cast<uint8_t>(digit(4) << 4 | digit(3))};
}

}  // namespace

void onOperatorLogoUpload(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 14) return;
    const auto picture = pictureFromRows(body[11], body[12], body.subspan(14));
    if (!picture) return;
    phone.fixture.data.operatorLogo = OperatorLogo{networkCodeOf(body.subspan(5, 3)), *picture};
    phone.answer({0x05, {0x00, 0x01, 0x00, 0x31}});
}

void keepOperatorLogo(Phone& phone, std::span<const uint8_t> data) {
    // Network code (3 bytes), 00, width, height, 01, rows.
    if (data.size() < 7) return;
    if (const auto picture = pictureFromRows(data[4], data[5], data.subspan(7))) {
        phone.fixture.data.operatorLogo = OperatorLogo{networkCodeOf(data.subspan(0, 3)), *picture};
    }
}

void onOperatorLogoRequest(Phone& phone, std::span<const uint8_t>) {
    const auto& logo = phone.fixture.data.operatorLogo;
    const Picture picture = logo ? logo->picture : Picture{};
    const auto code = semiOctetsOf(logo ? logo->networkCode : QStringLiteral("00000"));
    const auto data = rowData(picture);
    const auto sizeField = static_cast<int>(data.size()) + 4;
    std::vector<uint8_t> answer = {0x00,
                                   0x01,
                                   0x00,
                                   0x34,
                                   0x01,
                                   code[0],
                                   code[1],
                                   code[2],
                                   static_cast<uint8_t>(sizeField >> 8),
                                   static_cast<uint8_t>(sizeField),
                                   0x00,
                                   static_cast<uint8_t>(picture.width),
                                   static_cast<uint8_t>(picture.height),
                                   0x01};
    answer.insert(answer.end(), data.begin(), data.end());
    phone.answer({0x05, std::move(answer)});
}

void onStartupLogoUpload(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 5) return;
    std::optional<Picture> logo;
    std::optional<QString> note;
    size_t at = 5;
    for (int block = 0; block < body[4]; ++block) {
        if (at + 3 > body.size()) return;
        const uint8_t type = body[at];
        if (type == kLogoBlock) {
            const int height = body[at + 1];
            const int width = body[at + 2];
            logo = pictureFromStripes(width, height, body.subspan(at + 3));
            if (!logo) return;
            at += 3 + static_cast<size_t>(pictureBytes(width, height));
        } else if (type == kWelcomeBlock || type == kSecondNoteBlock) {
            const size_t length = body[at + 1];
            if (at + 2 + length > body.size()) return;
            if (type == kWelcomeBlock) {
                note = QString::fromLatin1(reinterpret_cast<const char*>(body.data() + at + 2),
                                           static_cast<qsizetype>(length));
            }
            at += 2 + length;
        } else {
            return;
        }
    }
    if (logo) phone.fixture.data.startupLogo = *logo;
    if (note) phone.fixture.data.settings.welcomeNote = *note;
    phone.answer({0x05, {0x00, 0x01, 0x00, 0x19, 0x01}});
}

void onStartupLogoRequest(Phone& phone, std::span<const uint8_t>) {
    const Picture picture = phone.fixture.data.startupLogo.value_or(
        Picture{kStartupWidth, kStartupHeight,
                std::vector<uint8_t>(static_cast<size_t>(kStartupWidth * kStartupHeight), 0)});
    std::vector<uint8_t> answer = {0x00,
                                   0x01,
                                   0x00,
                                   0x17,
                                   0x02,
                                   kLogoBlock,
                                   static_cast<uint8_t>(picture.height),
                                   static_cast<uint8_t>(picture.width)};
    const auto data = stripeData(picture);
    answer.insert(answer.end(), data.begin(), data.end());
    const auto note = latin1(phone.fixture.data.settings.welcomeNote);
    answer.insert(answer.end(), {kWelcomeBlock, static_cast<uint8_t>(note.size())});
    answer.insert(answer.end(), note.begin(), note.end());
    phone.answer({0x05, std::move(answer)});
}

void onPictureImageUpload(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() < 13) return;
    const auto picture = pictureFromRows(body[10], body[11], body.subspan(13));
    if (!picture) return;
    auto& pictures = phone.fixture.data.pictures;
    std::erase_if(pictures, [&](const PictureImage& p) { return p.slot == body[4]; });
    pictures.push_back({body[4], *picture});
}

}  // namespace phonesim::nokia61xx
