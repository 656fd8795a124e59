#include "phonesim/siemens/phonetext.h"

#include <QByteArray>

#include "codecs/tools/cp1252.h"
#include "codecs/tools/gsmtext.h"

namespace phonesim::siemens {

std::string encodeText(const QString& text, const std::string& charset) {
    if (charset == "UCS2") {
        std::string hex;
        for (const QChar c : text) {
            hex += QStringLiteral("%1")
                       .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                       .toUpper()
                       .toStdString();
        }
        return hex;
    }
    std::string bytes = tools::toCp1252(text);
    tools::latintogsm(bytes);
    return bytes;
}

QString decodeText(const std::string& bytes, const std::string& charset) {
    if (charset == "UCS2") {
        QString text;
        for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
            bool ok = false;
            const ushort unit = QString::fromStdString(bytes.substr(i, 4)).toUShort(&ok, 16);
            if (ok) text.append(QChar(unit));
        }
        return text;
    }
    std::string latin = bytes;
    tools::gsmtolatin(latin);
    return tools::fromCp1252(latin);
}

bool isHexText(const std::string& text) {
    return text.size() % 2 == 0 &&
           text.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos;
}

std::string hexText(const std::string& bytes) {
    return QByteArray::fromStdString(bytes).toHex().toUpper().toStdString();
}

std::string bytesOfHex(const std::string& hex) {
    return QByteArray::fromHex(QByteArray::fromStdString(hex)).toStdString();
}

}  // namespace phonesim::siemens
