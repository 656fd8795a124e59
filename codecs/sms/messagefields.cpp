#include "codecs/sms/messagefields.h"

#include <QString>

#include "codecs/sms/textparts.h"
#include "codecs/tools/cp1252.h"
#include "codecs/tools/hextext.h"

namespace sms {

namespace {

QString ucs2Text(const std::string& bigEndian) {
    QString text;
    for (size_t i = 0; i + 1 < bigEndian.size(); i += 2) {
        text.append(QChar(static_cast<char16_t>(static_cast<uint8_t>(bigEndian[i]) << 8 |
                                                static_cast<uint8_t>(bigEndian[i + 1]))));
    }
    return text;
}

}  // namespace

void settextfields(GSMSMS& message, uint8_t dataCoding, const UserData& data) {
    message.dataCoding = dataCoding;
    message.eightBit = data.alphabet == Alphabet::EightBit ? 1 : 0;
    message.userDataHeader.clear();
    if (!data.header.empty())
        message.userDataHeader =
            std::string(1, static_cast<char>(data.header.size())) + data.header;
    switch (data.alphabet) {
        case Alphabet::EightBit:
            message.text = tools::bytestohex(data.userData);
            message.utf8Text = message.text;
            return;
        case Alphabet::Ucs2: {
            const QString text = ucs2Text(data.userData);
            message.utf8Text = text.toStdString();
            message.text = tools::toCp1252(text);
            return;
        }
        case Alphabet::Gsm7: {
            const QString text = gsmtotext(data.userData);
            message.utf8Text = text.toStdString();
            message.text = tools::toCp1252(text);
            return;
        }
    }
}

std::string addresstext(const PduAddress& address) {
    if (address.alphanumeric()) return tools::toCp1252(gsmtotext(address.text));
    return address.text;
}

}  // namespace sms
