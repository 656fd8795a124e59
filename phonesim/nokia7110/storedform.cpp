#include "phonesim/nokia7110/storedform.h"

#include <algorithm>

#include "phonesim/nokia61xx/smsfields.h"

namespace phonesim::nokia7110 {

namespace {

constexpr size_t kCentreAt = 1;
constexpr size_t kFirstOctet = 13;
constexpr size_t kAddressBytes = 12;

void put(std::vector<uint8_t>& form, size_t at, const std::vector<uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), form.begin() + static_cast<long>(at));
}

// Length in octets (type included), type, semi-octets; nothing for no number.
std::vector<uint8_t> centreAddress(const MessageCentre& centre) {
    if (centre.number.isEmpty()) return {};
    std::vector<uint8_t> octets = nokia61xx::semiOctets(centre.number);
    const uint8_t type =
        centre.type >= 0 ? static_cast<uint8_t>(centre.type) : nokia61xx::numberType(centre.number);
    octets.insert(octets.begin(), {static_cast<uint8_t>(octets.size() + 1), type});
    octets.resize(std::min(octets.size(), kAddressBytes));
    return octets;
}

}  // namespace

std::vector<uint8_t> storedForm(const StoredMessage& message, const MessageCentre& centre) {
    const size_t o = nokia61xx::storedFieldsOffset(message.status);
    size_t length = 0;
    const std::vector<uint8_t> data = nokia61xx::storedUserData(message, length);
    std::vector<uint8_t> form(o + 32 + data.size(), 0x00);
    form[0] = static_cast<uint8_t>(message.status);
    put(form, kCentreAt, centreAddress(centre));
    const uint8_t firstOctet = message.status == 2 ? 0x11 : 0x04;
    form[kFirstOctet] = firstOctet | (message.header.isEmpty() ? 0x00 : 0x40);
    form[o + 11] = nokia61xx::storedCoding(message);
    form[o + 12] = static_cast<uint8_t>(length);
    put(form, o + 13, nokia61xx::addressField(message));
    if (message.timestamp.isValid()) {
        put(form, o + 25,
            nokia61xx::semiOctets(message.timestamp.toString(QStringLiteral("yyMMddHHmmss"))));
    }
    put(form, o + 32, data);
    return form;
}

std::optional<StoredMessage> messageFromStoredForm(std::span<const uint8_t> form) {
    if (form.empty() || form[0] > 2) return std::nullopt;
    StoredMessage message;
    message.status = form[0];
    const size_t o = nokia61xx::storedFieldsOffset(message.status);
    if (form.size() < o + 32) return std::nullopt;
    const bool header = (form[kFirstOctet] & 0x40) != 0;
    const uint8_t coding = form[o + 11];
    message.eightBit = (coding & 0xF4) == 0xF4 || (coding & 0xCC) == 0x04;
    const bool ucs2 = nokia61xx::isUcs2(coding);
    if (coding != (message.eightBit ? 0xF4 : 0x00)) message.coding = coding;
    const size_t length = form[o + 12];
    const size_t digits = std::min<size_t>(form[o + 13], 2 * (kAddressBytes - 2));
    const uint8_t type = form[o + 14];
    const auto address = form.subspan(o + 15, (digits + 1) / 2);
    if ((type & 0x70) == 0x50) {
        message.numberType = type;
        message.number = nokia61xx::sevenBitText(address, digits * 4 / 7, 0);
    } else {
        if (type != 0x81 && type != 0x91) message.numberType = type;
        const QString number = nokia61xx::digitsOf(address);
        message.number = type == 0x91 ? QLatin1Char('+') + number : number;
    }
    const QString stamp = nokia61xx::digitsOf(form.subspan(o + 25, 6));
    message.timestamp =
        QDateTime::fromString(QStringLiteral("20") + stamp, QStringLiteral("yyyyMMddHHmmss"));
    const auto userData = form.subspan(o + 32);
    const size_t headerOctets = header && !userData.empty() ? userData[0] + size_t{1} : 0;
    if (headerOctets > userData.size()) return std::nullopt;
    message.header = QByteArray(reinterpret_cast<const char*>(userData.data()),
                                static_cast<qsizetype>(headerOctets));
    if (message.eightBit || ucs2) {
        const size_t end = std::min(length, userData.size());
        if (end < headerOctets) return std::nullopt;
        const QByteArray bytes(reinterpret_cast<const char*>(userData.data() + headerOctets),
                               static_cast<qsizetype>(end - headerOctets));
        if (ucs2)
            message.text = nokia61xx::ucs2Text({reinterpret_cast<const uint8_t*>(bytes.data()),
                                                static_cast<size_t>(bytes.size())});
        else
            message.data = bytes;
    } else {
        message.text = nokia61xx::sevenBitText(userData, length, headerOctets);
    }
    return message;
}

}  // namespace phonesim::nokia7110
