// A stored message as the phone answers it (type 0x14, sub-code 08). The
// status sits at byte 7 and moves the message fields to a base offset o
// (4 for received, 3 for status 1, 5 for outgoing messages):
//
//   4        bit 1: not read yet
//   7        status 0 received, 1, 2 outgoing, above 2 other
//   20       first octet; bit 6: the user data begin with a header
//   o+18     data coding scheme (F4 set: 8-bit data)
//   o+19     user data length (septets of 7-bit text, octets of 8-bit data)
//   o+20     semi-octets of the remote number, o+21 its type (91
//            international, D0 a name packed as 7-bit text, others plain)
//   o+22     the digits as semi-octets (ten octets at most)
//   o+32     service-centre time stamp: year, month, day, hour, minute, second;
//            an outgoing message has no time stamp but its validity here
//   o+39     user data (header length byte first when there is a header)
#include <algorithm>

#include "codecs/sms/messagefields.h"
#include "codecs/tools/semioctets.h"
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

constexpr size_t kAddressOctets = 10;

uint8_t byteAt(std::span<const uint8_t> body, size_t index) {
    return index < body.size() ? body[index] : 0;
}

// The remote number by its type: "+" only for an international number, the
// name of an alphanumeric sender, "???" for more digits than a number has.
std::string remoteNumber(std::span<const uint8_t> body, size_t o) {
    if (o + 22 > body.size()) return {};
    const size_t semiOctets = body[o + 20];
    const uint8_t type = body[o + 21];
    const size_t octets = std::min({(semiOctets + 1) / 2, kAddressOctets, body.size() - (o + 22)});
    const sms::PduAddress address =
        sms::decodeaddress(type, body.subspan(o + 22, octets), std::min(semiOctets, octets * 2));
    if (!address.alphanumeric() && semiOctets > kLongestNumber) return "???";
    return sms::addresstext(address);
}

}  // namespace

bool decodeStoredMessage(std::span<const uint8_t> body, GSMSMS& message, size_t shift) {
    if (body.size() < 8 + shift) return false;
    message.unread = (body[4] & 0x02) != 0 ? 1 : 0;
    // From the status on the fields lie as in this family's answer.
    const auto fields = body.subspan(shift);
    message.status = std::min<uint8_t>(fields[7], 3);
    if (message.status == 1) return true;

    const size_t o = baseOffset(message.status);
    const bool hasHeader = (byteAt(fields, 20) & 0x40) != 0;
    const uint8_t coding = byteAt(fields, o + 18);
    const auto userData =
        o + 39 < fields.size() ? fields.subspan(o + 39) : std::span<const uint8_t>();
    sms::settextfields(message, coding,
                       sms::decodeuserdata(coding, hasHeader, byteAt(fields, o + 19), userData));
    message.remoteNumber = remoteNumber(fields, o);

    const std::string stamp =
        message.status == 2 ? std::string() : tools::semioctetdecode(hexOf(fields, o + 32, 6));
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
