// A stored message as the phone answers it (type 0x14, sub-code 08). The
// status sits at byte 7 and moves the message fields to a base offset o
// (4 for received, 3 for status 1, 5 for outgoing messages):
//
//   4        bit 1: not read yet
//   7        status 0 received, 1, 2 outgoing, above 2 other
//   20       first octet; bit 6: the user data begin with a header
//   o+18     data coding scheme (F4 set: 8-bit data)
//   o+19     user data length (septets of 7-bit text, octets of 8-bit data)
//   o+20     number of digits of the remote number, o+21 its type
//   o+22     the digits as semi-octets
//   o+32     service-centre time stamp: year, month, day, hour, minute, second;
//            an outgoing message has no time stamp but its validity here
//   o+39     user data (header length byte first when there is a header)
#include <algorithm>

#include "codecs/tools/copybytes.h"
#include "codecs/tools/hextext.h"
#include "codecs/tools/semioctets.h"
#include "codecs/tools/septets.h"
#include "phonelib/api/status.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia61xx/messages.h"

namespace phonelib::nokia {

namespace {

constexpr size_t kLongestNumber = 16;  // digits; longer numbers read as "???"

size_t baseOffset(uint8_t status) {
    switch (status) {
        case 1:
            return 3;
        case 2:
            return 5;
        default:
            return 4;
    }
}

uint8_t byteAt(std::span<const uint8_t> body, size_t index) {
    return index < body.size() ? body[index] : 0;
}

// The digits of the remote number; "+" in front of a number of more than two
// digits that does not begin with 0.
std::string remoteNumber(std::span<const uint8_t> body, size_t o) {
    if (o + 22 > body.size()) return {};
    const size_t digits = body[o + 20];
    if (digits > kLongestNumber) return "???";
    const size_t octets = (digits + 1) / 2;
    if (o + 22 + octets > body.size()) return {};
    std::string number = tools::semioctetdecode(hexOf(body, o + 22, octets));
    if (number.size() > 2 && number.front() != '+' && number.front() != '0') number.insert(0, "+");
    return number;
}

// The text of the user data: 8-bit data as hex text, 7-bit text as
// septets. A header of `header` octets is skipped; 7-bit text after a header
// starts at the next septet boundary.
std::string userText(std::span<const uint8_t> body, size_t o, bool eightBit, size_t header) {
    const size_t start = o + 39;
    if (start >= body.size()) return {};
    const size_t length = body[o + 19];
    const auto userData = body.subspan(start);
    if (eightBit) {
        if (length <= header) return {};
        return tools::bytestohex(tools::copybytes(userData, header, length - header));
    }
    const size_t octets = std::min(userData.size(), (length * 7 + 7) / 8);
    const size_t septets = std::min(length, octets * 8 / 7);
    std::string text = tools::unpackseptets(hexOf(userData, 0, octets), static_cast<int>(septets));
    const size_t headerSeptets = (header * 8 + 6) / 7;
    text.erase(0, std::min(headerSeptets, text.size()));
    return text;
}

}  // namespace

bool decodeStoredMessage(std::span<const uint8_t> body, GSMSMS& message) {
    if (body.size() < 8) return false;
    message.status = std::min<uint8_t>(body[7], 3);
    message.unread = (body[4] & 0x02) != 0 ? 1 : 0;
    if (message.status == 1) return true;

    const size_t o = baseOffset(message.status);
    const bool hasHeader = (byteAt(body, 20) & 0x40) != 0;
    const size_t header = hasHeader && o + 39 < body.size() ? body[o + 39] + size_t{1} : 0;
    message.eightBit = (byteAt(body, o + 18) & 0xF4) == 0xF4 ? 1 : 0;
    message.remoteNumber = remoteNumber(body, o);
    message.text = userText(body, o, message.eightBit, header);

    const std::string stamp =
        message.status == 2 ? std::string() : tools::semioctetdecode(hexOf(body, o + 32, 6));
    if (stamp.size() == 12) {
        message.date = stamp.substr(4, 2) + "." + stamp.substr(2, 2) + "." + stamp.substr(0, 2);
        message.time = stamp.substr(6, 2) + ":" + stamp.substr(8, 2) + ":" + stamp.substr(10, 2);
    } else {
        message.date.clear();
        message.time.clear();
    }
    return true;
}

std::optional<uint8_t> decodeReadError(std::span<const uint8_t> body) {
    if (body.size() < 5) return std::nullopt;
    switch (body[4]) {
        case 0x02:
            return uint8_t{stNoSuchLocation};
        case 0x07:
            return uint8_t{stEmptyLocation};
        default:
            return std::nullopt;
    }
}

std::optional<std::string> decodeMessageCentre(std::span<const uint8_t> body) {
    if (body.size() < 23) return std::nullopt;
    const uint8_t type = body[22];
    if (type != 0x91 && type != 0x81) return std::nullopt;
    const size_t octets = body[21] > 0 ? body[21] - size_t{1} : 0;
    const std::string number = tools::semioctetdecode(hexOf(body, 23, octets));
    return type == 0x91 ? "+" + number : number;
}

}  // namespace phonelib::nokia
