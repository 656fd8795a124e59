// The SUBMIT bodies (type 0x02, sub-command 01) that send a message through
// a 61xx phone:
//
//   0-5    00 01 00 01 02 00; byte 5 is 01 in the first part of a smart message
//   6-17   message centre: octets that follow (type included), type 91 or 81,
//          the digits as semi-octets
//   18     first octet 11; + 20 status report, + 40 user data header
//   19-21  message reference 00, protocol 00, data coding (F0 flash, F5 smart)
//   22     user data length (septets of a text, octets of a smart message)
//   23-34  destination: number of digits, type 91 or 81, semi-octets
//   35     relative validity
//   42-    user data; the phone is sent one byte more than is filled
//
// A text beyond one message goes out in concatenated parts (header element
// 00: reference, parts, part); a UCS-2 text carries data coding 08.
// A smart message carries a user data header with the destination port;
// data beyond one part (140 octets of user data) are split into parts
// that a concatenation header ties together by reference and number.
#include <algorithm>
#include <array>

#include "codecs/sms/textparts.h"
#include "codecs/tools/hextext.h"
#include "codecs/tools/phonenumbers.h"
#include "codecs/tools/semioctets.h"
#include "codecs/tools/septets.h"
#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/messages.h"
#include "phonelib/drivers/ringtonefile.h"

namespace phonelib::nokia {

namespace {

constexpr size_t kBodyBytes = 256;
constexpr size_t kUserData = 42;
constexpr size_t kUserDataOctets = 140;
constexpr size_t kMaxDigits = 20;            // ten octets of semi-octets
constexpr uint8_t kSingleHeader = 7;         // 06 05 04 port 00 00
constexpr uint8_t kConcatenatedHeader = 12;  // 0B 05 04 port 00 00 00 03 ref parts part

using Bytes = std::vector<uint8_t>;

struct Address {
    uint8_t type;        // 91 international, 81 otherwise
    std::string digits;  // without "+"
};

std::optional<Address> addressOf(const std::string& number) {
    std::string digits = number;
    const bool international = tools::formatnumber(digits) == 0;
    if (!digits.empty() && digits.front() == '+') digits.erase(0, 1);
    if (digits.size() > kMaxDigits) return std::nullopt;
    return Address{international ? uint8_t{0x91} : uint8_t{0x81}, digits};
}

void put(Bytes& body, size_t at, std::string_view bytes) {
    std::copy(bytes.begin(), bytes.end(), body.begin() + static_cast<long>(at));
}

// Bytes 0 to 41 as every part has them; nothing when a number is too long.
std::optional<Bytes> submitHead(const GSMSMS& message) {
    const auto centre = addressOf(message.serviceCentre);
    const auto destination = addressOf(message.remoteNumber);
    if (!centre || !destination) return std::nullopt;
    Bytes body(kBodyBytes, 0x00);
    put(body, 0, std::string_view("\x00\x01\x00\x01\x02\x00", 6));

    const std::string centreOctets = tools::hextobytes(tools::semioctetencode(centre->digits));
    body[6] = static_cast<uint8_t>(centreOctets.size() + 1);
    body[7] = centre->type;
    put(body, 8, centreOctets);

    body[18] = message.statusReport ? 0x31 : 0x11;
    body[21] = message.flash ? 0xF0 : 0x00;

    body[23] = static_cast<uint8_t>(destination->digits.size());
    body[24] = destination->type;
    put(body, 25, tools::hextobytes(tools::semioctetencode(destination->digits)));
    body[35] = validityByte(message.validity);
    return body;
}

std::optional<uint16_t> portOf(uint8_t smartKind) {
    switch (smartKind) {
        case skOperatorLogo:
            return 0x1582;
        case skCallerGroupLogo:
            return 0x1583;
        case skRingtone:
            return 0x1581;
        case skPictureMessage:
            return 0x158A;
        default:
            return std::nullopt;
    }
}

// What the first part carries before the data: the operator's network code,
// the text of a picture message, and the picture's own header.
Bytes firstPartPrefix(const GSMSMS& message) {
    Bytes prefix;
    const GSMBitmap& picture = message.picture;
    if (message.smartKind == skOperatorLogo) {
        const std::string code = tools::hextobytes(tools::makenetcode(picture.networkCode));
        prefix.insert(prefix.end(), code.begin(), code.end());
    }
    if (message.smartKind == skPictureMessage) {
        prefix.insert(prefix.end(), {0x30, 0x00, 0x00, static_cast<uint8_t>(message.text.size())});
        prefix.insert(prefix.end(), message.text.begin(), message.text.end());
        prefix.insert(prefix.end(), {0x02, 0x01, 0x00});
    }
    if (message.smartKind != skRingtone) {
        prefix.insert(prefix.end(), {0x00, static_cast<uint8_t>(picture.width),
                                     static_cast<uint8_t>(picture.height), 0x01});
    }
    return prefix;
}

}  // namespace

uint8_t validityByte(int32_t code) {
    static constexpr std::array<uint8_t, 6> kValidity = {0x00, 0xB0, 0x47, 0xA7, 0xA9, 0xAD};
    return code >= 0 && code < static_cast<int32_t>(kValidity.size()) ? kValidity[code] : 0xAD;
}

uint8_t buildTextSubmits(const GSMSMS& message, uint8_t reference,
                         std::vector<std::vector<uint8_t>>& parts) {
    const bool ucs2 = message.dataCoding == kUcs2Coding;
    std::vector<std::string> cut =
        ucs2 ? sms::cutucs2(message.text) : sms::cutseptets(message.text);
    if (cut.empty()) cut.emplace_back();
    if (cut.size() > static_cast<size_t>(sms::kMaxTextParts)) return stTooLong;
    const auto head = submitHead(message);
    if (!head) return stTooLong;
    std::vector<Bytes> built;
    const int count = static_cast<int>(cut.size());
    for (int number = 1; number <= count; ++number) {
        const sms::PartData data =
            sms::textuserdata(cut[static_cast<size_t>(number) - 1], ucs2, reference, count, number);
        Bytes body = *head;
        if (count > 1) body[18] |= 0x40;
        if (ucs2) body[21] = static_cast<uint8_t>((body[21] & 0xF0 ? 0x18 : 0x08));
        body[22] = static_cast<uint8_t>(data.length);
        put(body, kUserData, data.octets);
        body.resize(kUserData + 1 + static_cast<size_t>(data.length));
        built.push_back(std::move(body));
    }
    parts = std::move(built);
    return stDone;
}

uint8_t buildSmartSubmits(const GSMSMS& message, std::span<const uint8_t> data, uint8_t reference,
                          std::vector<std::vector<uint8_t>>& parts) {
    const auto port = portOf(message.smartKind);
    if (!port) return stNotAvailable;
    if (data.size() > kSmartDataBytes) return stTooLong;
    const auto head = submitHead(message);
    if (!head) return stTooLong;

    const Bytes prefix = firstPartPrefix(message);
    // One part holds at most 140 octets of user data, header included.
    const bool split = kSingleHeader + prefix.size() + data.size() > kUserDataOctets;
    const size_t firstRoom =
        kUserDataOctets - std::min<size_t>(kConcatenatedHeader + prefix.size(), kUserDataOctets);
    if (split && firstRoom == 0) return stTooLong;
    const size_t laterRoom = kUserDataOctets - kConcatenatedHeader;
    const size_t count =
        split ? 1 + (data.size() - firstRoom + laterRoom - 1) / laterRoom : size_t{1};

    std::vector<Bytes> built;
    size_t sent = 0;
    for (size_t part = 1; part <= count; ++part) {
        Bytes header = {
            0x06, 0x05, 0x04, static_cast<uint8_t>(*port >> 8), static_cast<uint8_t>(*port & 0xFF),
            0x00, 0x00};
        if (split) {
            header[0] = 0x0B;
            header.insert(header.end(), {0x00, 0x03, reference, static_cast<uint8_t>(count),
                                         static_cast<uint8_t>(part)});
        }
        if (part == 1) header.insert(header.end(), prefix.begin(), prefix.end());
        const size_t carried = std::min(data.size() - sent, kUserDataOctets - header.size());

        Bytes body = *head;
        body[5] = part == 1 ? 0x01 : 0x00;
        body[18] |= 0x40;
        body[21] = 0xF5;
        body[22] = static_cast<uint8_t>(header.size() + carried);
        std::copy(header.begin(), header.end(), body.begin() + kUserData);
        std::copy_n(data.begin() + static_cast<long>(sent), carried,
                    body.begin() + static_cast<long>(kUserData + header.size()));
        body.resize(kUserData + 1 + header.size() + carried);
        built.push_back(std::move(body));
        sent += carried;
    }
    parts = std::move(built);
    return stDone;
}

uint8_t smartData(const GSMSMS& message, std::string& data) {
    if (message.smartKind == skRingtone) {
        const RingtoneBytes tone = loadringtone(message.ringtoneFile);
        if (tone.status != stDone) return tone.status;
        data.assign(tone.bytes.begin(), tone.bytes.end());
        return stDone;
    }
    const GSMBitmap& picture = message.picture;
    if (picture.size < 0 || picture.size > kBitmapBytes) return stTooLong;
    data.assign(picture.rowData.begin(), picture.rowData.begin() + picture.size);
    return stDone;
}

int32_t progressTag(int part, int parts, int32_t recipient, int32_t recipients) {
    return part + 10 * parts + 100 * recipient + 100000 * recipients;
}

int32_t progressOutcome(uint8_t flag) {
    switch (flag) {
        case 1:
            return 1;
        case 4:
            return 2;
        case 0:
            return 3;
        default:
            return 0;
    }
}

}  // namespace phonelib::nokia
