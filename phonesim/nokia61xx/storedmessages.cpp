// Stored messages: reading (asked with type 0x02, answered with type 0x14)
// and deleting (type 0x14).
//
//   0x02: 00 01 00 07 02 L 01 64   read    → 0x14: 00 01 00 08, the message (below)
//                                    empty   → 0x14: 00 01 00 09 07
//                                    no such location → 0x14: 00 01 00 09 02
//   0x14: 00 01 00 0A 02 L         delete  → 0x14: 00 01 00 0B
//   by itself: 0x02: 00 01 00 10 02 L  a message came in and lies at L
//                                    empty or no such location → 0x14: 00 01 00 0C 02
//
// The message: byte 4 01 (read) or 03 (not read yet), 5 02 (the SIM), 6 the
// location, 7 the status (00 received, 01 status report, 02 outgoing), 8–19
// the message centre (octets with the type, type, semi-octets), the first
// octet at 20 (bits 0–1: 00 deliver, 01 submit, 10 report; bit 6: user data
// header). Status 1 moves the fields below to o = 3, status 2 to o = 5,
// every other status to o = 4: data coding o+18 (00 7-bit, F4 8-bit), user
// data length o+19, number digits o+20, type o+21, semi-octets from o+22,
// (D0: a name packed as 7-bit text, the digit count then counting its
// semi-octets), time stamp o+32 to o+38 (an outgoing message has its relative validity at
// o+32 instead), user data from o+39.
#include "phonesim/nokia61xx/requests.h"
#include "phonesim/nokia61xx/smsfields.h"

namespace phonesim::nokia61xx {

namespace {

void put(std::vector<uint8_t>& body, size_t at, const std::vector<uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), body.begin() + static_cast<long>(at));
}

uint8_t firstOctetOf(int status) {
    switch (status) {
        case 1:
            return 0x06;  // status report
        case 2:
            return 0x11;  // submit, relative validity
        default:
            return 0x04;  // deliver, no more messages waiting
    }
}

}  // namespace

std::vector<uint8_t> storedMessageBody(int location, const StoredMessage& message,
                                       const MessageCentre& centre) {
    const size_t o = storedFieldsOffset(message.status);
    size_t length = 0;
    const auto data = storedUserData(message, length);
    std::vector<uint8_t> body(o + 39 + data.size(), 0x00);
    put(body, 0,
        {0x00, 0x01, 0x00, 0x08, static_cast<uint8_t>(message.unread ? 0x03 : 0x01), 0x02,
         static_cast<uint8_t>(location), static_cast<uint8_t>(message.status)});
    if (!centre.number.isEmpty()) {
        const auto digits = semiOctets(centre.number);
        body[8] = static_cast<uint8_t>(digits.size() + 1);
        body[9] = numberType(centre.number);
        put(body, 10, {digits.begin(), digits.begin() + std::min<long>(10, std::ssize(digits))});
    }
    body[20] = firstOctetOf(message.status) | (message.header.isEmpty() ? 0x00 : 0x40);
    body[o + 18] = storedCoding(message);
    body[o + 19] = static_cast<uint8_t>(length);
    put(body, o + 20, addressField(message));
    if (message.status == 2) {
        body[o + 32] = static_cast<uint8_t>(centre.validity);
    } else if (message.timestamp.isValid()) {
        put(body, o + 32, semiOctets(message.timestamp.toString(QStringLiteral("yyMMddHHmmss"))));
    }
    put(body, o + 39, data);
    return body;
}

void onMessageRead(Phone& phone, std::span<const uint8_t> body) {
    const MessageData& messages = phone.fixture.messages;
    const int location = body.size() > 5 ? body[5] : 0;
    if (location < 1 || location > messages.capacity) {
        phone.answer({0x14, {0x00, 0x01, 0x00, 0x09, 0x02}});
        return;
    }
    if (location == messages.silentLocation) return;  // the phone says nothing
    const auto stored = messages.stored.find(location);
    if (stored == messages.stored.end()) {
        phone.answer({0x14, {0x00, 0x01, 0x00, 0x09, 0x07}});
        return;
    }
    phone.answer({0x14, storedMessageBody(location, stored->second, messages.centre)});
}

void onMessageDelete(Phone& phone, std::span<const uint8_t> body) {
    auto& stored = phone.fixture.messages.stored;
    if (body.size() < 6 || stored.erase(body[5]) == 0) {
        phone.answer({0x14, {0x00, 0x01, 0x00, 0x0C, 0x02}});
        return;
    }
    phone.answer({0x14, {0x00, 0x01, 0x00, 0x0B}});
}

std::optional<Message> storeArrival(Fixture& fixture, const StoredMessage& message) {
    MessageData& messages = fixture.messages;
    int location = 1;
    while (location <= messages.capacity && messages.stored.contains(location)) ++location;
    if (location > messages.capacity) return std::nullopt;
    StoredMessage arrived = message;
    arrived.status = 0;
    arrived.unread = true;
    messages.stored[location] = arrived;
    return Message{0x02, {0x00, 0x01, 0x00, 0x10, 0x02, static_cast<uint8_t>(location)}};
}

}  // namespace phonesim::nokia61xx
