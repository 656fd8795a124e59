#include "codecs/sms/smspdu.h"

#include <QString>
#include <algorithm>
#include <span>

#include "codecs/tools/cp1252.h"
#include "codecs/tools/hextext.h"
#include "codecs/tools/septets.h"

namespace sms {

namespace {

// Reads octets in order; past the end every read gives 0 and marks the
// reader as run out.
class OctetReader {
  public:
    explicit OctetReader(std::span<const uint8_t> octets) : octets_(octets) {}

    uint8_t next() {
        if (position_ >= octets_.size()) {
            ranOut_ = true;
            ++position_;
            return 0;
        }
        return octets_[position_++];
    }
    // Up to `count` octets; fewer when the PDU ends first.
    std::span<const uint8_t> take(size_t count) {
        const size_t start = std::min(position_, octets_.size());
        const size_t available = octets_.size() - start;
        if (count > available) ranOut_ = true;
        position_ += count;
        return octets_.subspan(start, std::min(count, available));
    }
    bool ranOut() const { return ranOut_; }

  private:
    std::span<const uint8_t> octets_;
    size_t position_ = 0;
    bool ranOut_ = false;
};

std::string hexOf(std::span<const uint8_t> octets) {
    return tools::bytestohex(std::string(octets.begin(), octets.end()));
}

// Semi-octet digits, low nibble first; the filler F ends them. Nibbles A..E
// stand for '*', '#', 'a', 'b', 'c'.
std::string semiOctetDigits(std::span<const uint8_t> octets, size_t digits) {
    static constexpr char kDigits[] = "0123456789*#abc";
    std::string text;
    for (size_t i = 0; i < digits && i / 2 < octets.size(); ++i) {
        const unsigned nibble = i % 2 == 0 ? octets[i / 2] & 0x0F : octets[i / 2] >> 4;
        if (nibble == 0x0F) break;
        text.push_back(kDigits[nibble]);
    }
    return text;
}

}  // namespace

PduAddress decodeaddress(uint8_t type, std::span<const uint8_t> octets, size_t semiOctets) {
    PduAddress address;
    address.type = type;
    if (address.alphanumeric()) {
        address.text = tools::unpackseptets(hexOf(octets), static_cast<int>(semiOctets * 4 / 7));
    } else {
        address.text = semiOctetDigits(octets, semiOctets);
        if ((type & 0x70) == 0x10 && !address.text.empty()) address.text = "+" + address.text;
    }
    return address;
}

namespace {

// Service-centre address: its length counts octets, the type included.
PduAddress readServiceCentre(OctetReader& reader) {
    const size_t length = reader.next();
    if (length == 0) return {};
    const uint8_t type = reader.next();
    const auto octets = reader.take(length - 1);
    return decodeaddress(type, octets, octets.size() * 2);
}

// Originator or destination address: its length counts semi-octets.
PduAddress readAddress(OctetReader& reader) {
    const size_t semiOctets = reader.next();
    const uint8_t type = reader.next();
    return decodeaddress(type, reader.take((semiOctets + 1) / 2), semiOctets);
}

int swappedDigits(uint8_t octet) {
    return (octet & 0x0F) * 10 + (octet >> 4);
}

PduTime readTime(OctetReader& reader) {
    PduTime time;
    const auto octets = reader.take(7);
    if (octets.size() < 7) return time;
    time.present = true;
    time.year = swappedDigits(octets[0]);
    time.month = swappedDigits(octets[1]);
    time.day = swappedDigits(octets[2]);
    time.hour = swappedDigits(octets[3]);
    time.minute = swappedDigits(octets[4]);
    time.second = swappedDigits(octets[5]);
    const int quarters = (octets[6] & 0x07) * 10 + (octets[6] >> 4);
    time.zoneQuarters = (octets[6] & 0x08) != 0 ? -quarters : quarters;
    return time;
}

void readValidity(OctetReader& reader, DecodedPdu& pdu) {
    switch (pdu.firstOctet & 0x18) {
        case 0x10:
            pdu.validityFormat = ValidityFormat::Relative;
            pdu.relativeValidity = reader.next();
            break;
        case 0x18:
            pdu.validityFormat = ValidityFormat::Absolute;
            pdu.validityTime = readTime(reader);
            break;
        case 0x08:
            // Enhanced format: seven octets whose meaning this system does not use.
            pdu.validityFormat = ValidityFormat::Enhanced;
            reader.take(7);
            break;
        default:
            break;
    }
}

void readUserData(OctetReader& reader, DecodedPdu& pdu) {
    const size_t length = reader.next();
    const size_t octets = pdu.alphabet == Alphabet::Gsm7 ? (length * 7 + 7) / 8 : length;
    const auto data = reader.take(octets);
    const UserData fields =
        decodeuserdata(pdu.dataCoding, (pdu.firstOctet & 0x40) != 0, length, data);
    pdu.header = fields.header;
    pdu.userData = fields.userData;
}

std::optional<std::string> octetsOf(std::string_view hex) {
    if (hex.size() % 2 != 0) hex.remove_suffix(1);  // a lone last digit is no octet
    std::string upper(hex);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return std::nullopt;
    }
    return tools::hextobytes(upper);
}

}  // namespace

Alphabet alphabetof(uint8_t dataCoding) {
    if ((dataCoding & 0x80) == 0) {  // general data coding, with or without automatic deletion
        if ((dataCoding & 0x20) != 0) return Alphabet::EightBit;  // compressed
        switch ((dataCoding >> 2) & 0x03) {
            case 1:
                return Alphabet::EightBit;
            case 2:
                return Alphabet::Ucs2;
            default:
                return Alphabet::Gsm7;
        }
    }
    switch (dataCoding & 0xF0) {
        case 0xE0:
            return Alphabet::Ucs2;  // message waiting indication, UCS-2 text
        case 0xF0:
            return (dataCoding & 0x04) != 0 ? Alphabet::EightBit : Alphabet::Gsm7;
        default:
            return Alphabet::Gsm7;
    }
}

int messageclassof(uint8_t dataCoding) {
    const bool general = (dataCoding & 0x80) == 0 && (dataCoding & 0x10) != 0;
    const bool dataGroup = (dataCoding & 0xF0) == 0xF0;
    return general || dataGroup ? dataCoding & 0x03 : -1;
}

std::optional<DecodedPdu> decodepdu(std::string_view hex) {
    const auto bytes = octetsOf(hex);
    if (!bytes || bytes->size() < 2) return std::nullopt;
    const std::span<const uint8_t> octets(reinterpret_cast<const uint8_t*>(bytes->data()),
                                          bytes->size());
    OctetReader reader(octets);
    DecodedPdu pdu;
    pdu.serviceCentre = readServiceCentre(reader);
    pdu.firstOctet = reader.next();
    switch (pdu.firstOctet & 0x03) {
        case 1:
            pdu.kind = PduKind::Submit;
            break;
        case 2:
            pdu.kind = PduKind::StatusReport;
            break;
        default:
            pdu.kind = PduKind::Deliver;
    }
    if (pdu.kind != PduKind::Deliver) pdu.reference = reader.next();
    pdu.address = readAddress(reader);
    if (pdu.kind == PduKind::StatusReport) {
        pdu.timestamp = readTime(reader);
        pdu.discharge = readTime(reader);
        pdu.reportStatus = reader.next();
        pdu.complete = !reader.ranOut();
        return pdu;
    }
    pdu.protocolId = reader.next();
    pdu.dataCoding = reader.next();
    pdu.alphabet = alphabetof(pdu.dataCoding);
    pdu.messageClass = messageclassof(pdu.dataCoding);
    if (pdu.kind == PduKind::Submit) {
        readValidity(reader, pdu);
    } else {
        pdu.timestamp = readTime(reader);
    }
    readUserData(reader, pdu);
    pdu.complete = !reader.ranOut();
    return pdu;
}

UserData decodeuserdata(uint8_t dataCoding, bool hasHeader, size_t length,
                        std::span<const uint8_t> octets) {
    UserData fields;
    fields.alphabet = alphabetof(dataCoding);
    if (fields.alphabet == Alphabet::Gsm7) {
        octets = octets.first(std::min(octets.size(), (length * 7 + 7) / 8));
        size_t headerSeptets = 0;
        if (hasHeader && !octets.empty()) {
            const size_t headerLength = octets[0];
            fields.header = std::string(octets.begin() + 1,
                                        octets.begin() + std::min(octets.size(), headerLength + 1));
            headerSeptets = ((headerLength + 1) * 8 + 6) / 7;
        }
        const size_t septets = std::min(length, octets.size() * 8 / 7);
        fields.userData = tools::unpackseptets(hexOf(octets), static_cast<int>(septets));
        fields.userData.erase(0, std::min(headerSeptets, fields.userData.size()));
        return fields;
    }
    octets = octets.first(std::min(octets.size(), length));
    if (hasHeader && !octets.empty()) {
        const size_t headerEnd = std::min(octets.size(), size_t{octets[0]} + 1);
        fields.header = std::string(octets.begin() + 1, octets.begin() + headerEnd);
        octets = octets.subspan(headerEnd);
    }
    fields.userData = std::string(octets.begin(), octets.end());
    if (fields.alphabet == Alphabet::Ucs2 && fields.userData.size() % 2 != 0)
        fields.userData.pop_back();
    return fields;
}

std::string ucs2tocp1252(std::string_view bigEndian) {
    QString text;
    for (size_t i = 0; i + 1 < bigEndian.size(); i += 2) {
        const auto high = static_cast<uint8_t>(bigEndian[i]);
        const auto low = static_cast<uint8_t>(bigEndian[i + 1]);
        text.append(QChar(static_cast<char16_t>(high << 8 | low)));
    }
    return tools::toCp1252(text);
}

}  // namespace sms
