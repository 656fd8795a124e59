// Type 0x02, 00 01 00 01 …: a message the PC sends (SUBMIT). The body:
//
//   6       octets of the centre address that follow (type included)
//   7       centre type (91 international), 8- the digits as semi-octets
//   18      first octet (bit 6: user data header)
//   21      data coding (bits 3-2 = 01: 8-bit data, else 7-bit text)
//   22      user data length (octets of 8-bit data, septets of text)
//   23      number of destination digits, 24 type, 25- semi-octets
//   35      validity
//   42-     user data
//
// Answer 00 01 00 02 00 when the phone takes the message, 00 01 00 03 6F
// when it refuses it (a body it cannot read, or the part the fixture names
// in "refusePart"); the part named in "silentPart" is taken but never
// answered. UCS-2 text (data coding 08) is read as big-endian UTF-16. Taken messages are kept in
// the fixture; the parts of a concatenated message (header element 00: reference, parts, part) are
// kept aside until all have come, then joined into one.
#include <algorithm>

#include "phonesim/nokia61xx/requests.h"
#include "phonesim/nokia61xx/smsfields.h"

namespace phonesim::nokia61xx {

namespace {

constexpr size_t kUserData = 42;

QString addressOf(uint8_t type, std::span<const uint8_t> octets) {
    return (type == 0x91 ? QStringLiteral("+") : QString()) + digitsOf(octets);
}

// Reads the information elements of a user data header: destination port
// (element 05) and concatenation (element 00).
void readHeader(std::span<const uint8_t> header, IncomingPart& part) {
    for (size_t i = 0; i + 1 < header.size();) {
        const uint8_t element = header[i];
        const size_t length = header[i + 1];
        const auto value = header.subspan(i + 2, std::min(length, header.size() - i - 2));
        if (element == 0x05 && value.size() >= 2) part.message.port = value[0] << 8 | value[1];
        if (element == 0x00 && value.size() >= 3) {
            part.reference = value[0];
            part.message.parts = value[1];
            part.number = value[2];
        }
        i += 2 + length;
    }
}

// Joins the parts of a concatenated message once all of them have come.
void joinParts(Phone& phone, const IncomingPart& latest) {
    auto& pending = phone.incomingParts;
    const auto belongs = [&](const IncomingPart& p) {
        return p.reference == latest.reference && p.message.number == latest.message.number;
    };
    std::vector<IncomingPart> parts;
    std::copy_if(pending.begin(), pending.end(), std::back_inserter(parts), belongs);
    std::sort(parts.begin(), parts.end(),
              [](const auto& a, const auto& b) { return a.number < b.number; });
    for (int i = 0; i < latest.message.parts; ++i) {
        if (i >= static_cast<int>(parts.size()) || parts[static_cast<size_t>(i)].number != i + 1) {
            return;
        }
    }
    ReceivedMessage joined = parts.front().message;
    for (size_t i = 1; i < parts.size(); ++i) {
        joined.data += parts[i].message.data;
        joined.text += parts[i].message.text;
        joined.pieces.insert(joined.pieces.end(), parts[i].message.pieces.begin(),
                             parts[i].message.pieces.end());
    }
    std::erase_if(pending, belongs);
    phone.fixture.messages.received.push_back(joined);
}

}  // namespace

std::optional<IncomingPart> parseSubmit(std::span<const uint8_t> body) {
    if (body.size() <= kUserData) return std::nullopt;
    IncomingPart part;
    ReceivedMessage& message = part.message;
    const size_t centreOctets = std::clamp<size_t>(body[6], 1, 11) - 1;
    message.centre = addressOf(body[7], body.subspan(8, centreOctets));
    message.firstOctet = body[18];
    message.dcs = body[21];
    const size_t length = body[22];
    const size_t digits = std::min<size_t>(body[23], 20);
    message.number = addressOf(body[24], body.subspan(25, (digits + 1) / 2));
    message.validity = body[35];

    const bool eightBit = (message.dcs & 0x0C) == 0x04;
    const bool ucs2 = (message.dcs & 0xC0) == 0x00 && (message.dcs & 0x0C) == 0x08;
    const size_t octets = eightBit || ucs2 ? length : (length * 7 + 7) / 8;
    if (kUserData + octets > body.size()) return std::nullopt;
    const auto userData = body.subspan(kUserData, octets);
    size_t headerOctets = 0;
    if ((message.firstOctet & 0x40) != 0) {
        if (userData.empty() || userData[0] + size_t{1} > userData.size()) return std::nullopt;
        headerOctets = userData[0] + size_t{1};
        readHeader(userData.subspan(1, headerOctets - 1), part);
    }
    const auto header = userData.subspan(std::min<size_t>(1, headerOctets),
                                         headerOctets > 0 ? headerOctets - 1 : 0);
    message.pieces.push_back({QByteArray(reinterpret_cast<const char*>(header.data()),
                                         static_cast<qsizetype>(header.size())),
                              static_cast<int>(length), message.dcs});
    if (ucs2) {
        message.text = ucs2Text(userData.subspan(headerOctets));
    } else if (eightBit) {
        const auto data = userData.subspan(headerOctets);
        message.data = QByteArray(reinterpret_cast<const char*>(data.data()),
                                  static_cast<qsizetype>(data.size()));
    } else {
        message.text = sevenBitText(userData, length, headerOctets);
    }
    return part;
}

void onSubmit(Phone& phone, std::span<const uint8_t> body) {
    const auto part = parseSubmit(body);
    const MessageData& messages = phone.fixture.messages;
    const bool chosen =
        part && (messages.refuseNumber.isEmpty() || part->message.number == messages.refuseNumber);
    if (!part || (chosen && part->number == messages.refusePart)) {
        phone.answer({0x02, {0x00, 0x01, 0x00, 0x03, 0x6F}});
        return;
    }
    const bool silent = chosen && part->number == messages.silentPart;
    if (part->message.parts > 1) {
        phone.incomingParts.push_back(*part);
        joinParts(phone, *part);
    } else {
        phone.fixture.messages.received.push_back(part->message);
    }
    if (!silent) phone.answer({0x02, {0x00, 0x01, 0x00, 0x02, 0x00}});
}

}  // namespace phonesim::nokia61xx
