#include "codecs/tools/cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tools {

QString fromCp1252(std::string_view bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toCp1252(const QString& text) {
    std::string result;
    result.reserve(static_cast<size_t>(text.size()));
    QStringEncoder encoder("windows-1252");
    for (const QChar c : text) {
        const QByteArray encoded = encoder.encode(QStringView(&c, 1));
        // A character outside the code page comes back as a substitute.
        const bool mapped = encoded.size() == 1 && (encoded[0] != 0x1A || c.unicode() == 0x1A) &&
                            (encoded[0] != '?' || c == u'?');
        result.push_back(mapped ? encoded[0] : '?');
    }
    return result;
}

}  // namespace tools
