#include "phonesim/siemens/storedpdu.h"

#include "phonesim/nokia61xx/smsfields.h"

namespace phonesim::siemens {

namespace {

void append(QByteArray& pdu, const std::vector<uint8_t>& bytes) {
    pdu.append(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void appendByte(QByteArray& pdu, int byte) {
    pdu.append(static_cast<char>(byte));
}

}  // namespace

QByteArray storedPdu(const StoredMessage& message, const MessageCentre& centre) {
    namespace fields = nokia61xx;
    QByteArray pdu;
    if (centre.number.isEmpty()) {
        appendByte(pdu, 0x00);
    } else {
        const auto digits = fields::semiOctets(centre.number);
        appendByte(pdu, static_cast<int>(digits.size()) + 1);
        appendByte(pdu, centre.type >= 0 ? centre.type : fields::numberType(centre.number));
        append(pdu, digits);
    }
    const bool outgoing = message.status >= 2;
    const int header = message.header.isEmpty() ? 0x00 : 0x40;
    appendByte(pdu, (outgoing ? 0x11 : 0x04) | header);
    if (outgoing) appendByte(pdu, 0x00);
    append(pdu, fields::addressField(message));
    appendByte(pdu, 0x00);
    appendByte(pdu, fields::storedCoding(message));
    if (outgoing) {
        appendByte(pdu, 0xAD);
    } else {
        const QDateTime when =
            message.timestamp.isValid() ? message.timestamp : QDateTime(QDate(2001, 1, 1), QTime());
        append(pdu, fields::semiOctets(when.toString(QStringLiteral("yyMMddHHmmss"))));
        appendByte(pdu, 0x00);
    }
    size_t length = 0;
    const auto data = fields::storedUserData(message, length);
    appendByte(pdu, static_cast<int>(length));
    append(pdu, data);
    return pdu;
}

}  // namespace phonesim::siemens
