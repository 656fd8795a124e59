#include "phonesim/nokia61xx/smartpictures.h"

#include <span>

#include "phonesim/nokia61xx/picturebits.h"

namespace phonesim::nokia61xx {

namespace {

constexpr int kOperatorLogoPort = 0x1582;
constexpr int kGroupLogoPort = 0x1583;
constexpr int kPictureMessagePort = 0x158A;
constexpr uint8_t kPictureVersion = 0x30;
constexpr uint8_t kTextItem = 0x00;
constexpr uint8_t kBitmapItem = 0x02;

using Bytes = std::span<const uint8_t>;

std::optional<Picture> otaBitmap(Bytes data) {
    if (data.size() < 4 || data[0] != 0x00 || data[3] != 0x01) return std::nullopt;
    return pictureFromRows(data[1], data[2], data.subspan(4));
}

// "26201" from 62 F2 10; a filler nibble F is no digit.
QString operatorCode(Bytes code) {
    const int nibbles[] = {code[0] & 0x0F, code[0] >> 4, code[1] & 0x0F,
                           code[2] & 0x0F, code[2] >> 4, code[1] >> 4};
    QString text;
    for (const int digit : nibbles) {
        if (digit <= 9) text += QChar(u'0' + digit);
    }
    return text;
}

bool readPictureItems(Bytes data, SmartPicture& read) {
    if (data.empty() || data[0] != kPictureVersion) return false;
    bool pictured = false;
    for (size_t i = 1; i + 3 <= data.size();) {
        const uint8_t item = data[i];
        const size_t length = static_cast<size_t>(data[i + 1]) << 8 | data[i + 2];
        const Bytes body = data.subspan(i + 3, std::min(length, data.size() - i - 3));
        if (item == kTextItem) {
            read.text = QString::fromLatin1(reinterpret_cast<const char*>(body.data()),
                                            static_cast<qsizetype>(body.size()));
        } else if (item == kBitmapItem) {
            const auto picture = otaBitmap(body);
            if (!picture) return false;
            read.picture = *picture;
            pictured = true;
        }
        i += 3 + length;
    }
    return pictured;
}

}  // namespace

std::optional<SmartPicture> readSmartPicture(const ReceivedMessage& message) {
    const Bytes data(reinterpret_cast<const uint8_t*>(message.data.constData()),
                     static_cast<size_t>(message.data.size()));
    SmartPicture read;
    read.port = message.port;
    switch (message.port) {
        case kOperatorLogoPort: {
            if (data.size() < 3) return std::nullopt;
            const auto picture = otaBitmap(data.subspan(3));
            if (!picture) return std::nullopt;
            read.networkCode = operatorCode(data.first(3));
            read.picture = *picture;
            return read;
        }
        case kGroupLogoPort: {
            const auto picture = otaBitmap(data);
            if (!picture) return std::nullopt;
            read.picture = *picture;
            return read;
        }
        case kPictureMessagePort:
            if (!readPictureItems(data, read)) return std::nullopt;
            return read;
        default:
            return std::nullopt;
    }
}

}  // namespace phonesim::nokia61xx
