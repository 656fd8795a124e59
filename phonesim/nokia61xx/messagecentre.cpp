// Type 0x02, the message centre (the phone has one, index 1).
//
//   33 64 I                       read → 34, then
//       4 I, 5 00, 6 format (00 text, 22 fax, 26 pager, 32 e-mail), 7 00,
//       8 validity, 9–20 default recipient (digit count, type, semi-octets),
//       21–32 centre (octet count with the type, type 91/81, semi-octets),
//       33- the centre's name, NUL
//     another index, or no centre → 35 02
//   30 64 I x F x V R[12] S[12] name 00   set: the same fields one byte
//       further on → 31; another index → 32 02
#include "phonesim/nokia61xx/requests.h"
#include "phonesim/nokia61xx/smsfields.h"

namespace phonesim::nokia61xx {

namespace {

constexpr size_t kAddressBytes = 12;
constexpr size_t kRecipientAt = 9;
constexpr size_t kCentreAt = 21;
constexpr size_t kNameAt = 33;

void putAddress(std::vector<uint8_t>& body, size_t at, const QString& number, bool countDigits) {
    if (number.isEmpty()) return;
    const auto digits = semiOctets(number);
    const qsizetype digitCount = number.size() - (number.startsWith(QLatin1Char('+')) ? 1 : 0);
    body[at] = static_cast<uint8_t>(countDigits ? digitCount : digits.size() + 1);
    body[at + 1] = numberType(number);
    std::copy_n(digits.begin(), std::min(digits.size(), kAddressBytes - 2),
                body.begin() + static_cast<long>(at + 2));
}

// An address field; empty when its length is 0 or its type byte is no
// number type (bit 7 clear, as in 01 00 for "none").
QString addressAt(std::span<const uint8_t> body, size_t at, bool countsDigits) {
    const size_t length = body[at];
    if (length == 0 || (body[at + 1] & 0x80) == 0) return {};
    const size_t octets = std::min(countsDigits ? (length + 1) / 2 : length - 1, kAddressBytes - 2);
    QString digits = digitsOf(body.subspan(at + 2, octets));
    if (countsDigits) digits.truncate(static_cast<qsizetype>(length));
    return (body[at + 1] == 0x91 ? QStringLiteral("+") : QString()) + digits;
}

}  // namespace

void onCentreRequest(Phone& phone, std::span<const uint8_t> body) {
    const MessageCentre& centre = phone.fixture.messages.centre;
    const uint8_t index = body.size() > 5 ? body[5] : 0;
    if (index != 1 || centre.number.isEmpty()) {
        phone.answer({0x02, {0x00, 0x01, 0x00, 0x35, 0x02}});
        return;
    }
    std::vector<uint8_t> answer(kNameAt, 0x00);
    answer[1] = 0x01;
    answer[3] = 0x34;
    answer[4] = index;
    answer[6] = static_cast<uint8_t>(centre.format);
    answer[8] = static_cast<uint8_t>(centre.validity);
    putAddress(answer, kRecipientAt, centre.recipient, true);
    putAddress(answer, kCentreAt, centre.number, false);
    if (centre.type >= 0) answer[kCentreAt + 1] = static_cast<uint8_t>(centre.type);
    const auto name = latin1(centre.name);
    answer.insert(answer.end(), name.begin(), name.end());
    answer.push_back(0x00);
    phone.answer({0x02, std::move(answer)});
}

void onCentreWrite(Phone& phone, std::span<const uint8_t> body) {
    // The set request carries 64 before the index: every field one further.
    if (body.size() < kNameAt + 1 || body[5] != 0x01) {
        phone.answer({0x02, {0x00, 0x01, 0x00, 0x32, 0x02}});
        return;
    }
    const auto fields = body.subspan(1);
    MessageCentre& centre = phone.fixture.messages.centre;
    centre.format = fields[6];
    centre.validity = fields[8];
    centre.recipient = addressAt(fields, kRecipientAt, true);
    centre.number = addressAt(fields, kCentreAt, false);
    centre.type = -1;
    QByteArray name;
    for (size_t i = kNameAt; i < fields.size() && fields[i] != 0x00; ++i)
        name.append(static_cast<char>(fields[i]));
    centre.name = QString::fromLatin1(name);
    phone.answer({0x02, {0x00, 0x01, 0x00, 0x31}});
}

}  // namespace phonesim::nokia61xx
