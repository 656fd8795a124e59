#include "phonesim/nokia61xx/smsfields.h"

#include <algorithm>

#include "codecs/tools/gsmtext.h"
#include "codecs/tools/hextext.h"
#include "codecs/tools/semioctets.h"
#include "codecs/tools/septets.h"

namespace phonesim::nokia61xx {

namespace {

std::string bytesOf(std::span<const uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

size_t headerSeptets(size_t headerOctets) {
    return (headerOctets * 8 + 6) / 7;
}

}  // namespace

size_t storedFieldsOffset(int status) {
    switch (status) {
        case 1:
            return 3;
        case 2:
            return 5;
        default:
            return 4;
    }
}

std::vector<uint8_t> semiOctets(const QString& number) {
    QString digits = number;
    if (digits.startsWith(QLatin1Char('+'))) digits.remove(0, 1);
    const std::string octets = tools::hextobytes(tools::semioctetencode(digits.toStdString()));
    return {octets.begin(), octets.end()};
}

QString digitsOf(std::span<const uint8_t> octets) {
    return QString::fromStdString(tools::semioctetdecode(tools::bytestohex(bytesOf(octets))));
}

uint8_t numberType(const QString& number) {
    return number.startsWith(QLatin1Char('+')) ? 0x91 : 0x81;
}

std::vector<uint8_t> sevenBitUserData(const QByteArray& header, const QString& text,
                                      size_t& septets) {
    std::string gsm = text.toLatin1().toStdString();
    tools::latintogsm(gsm);
    // Zero septets stand where the header goes, so the text starts on the
    // septet boundary behind it.
    const std::string padded = std::string(headerSeptets(header.size()), '\0') + gsm;
    septets = padded.size();
    std::string packed = tools::hextobytes(tools::packseptets(padded));
    std::copy(header.begin(), header.end(), packed.begin());
    return {packed.begin(), packed.end()};
}

QString sevenBitText(std::span<const uint8_t> userData, size_t septets, size_t headerOctets) {
    std::string text =
        tools::unpackseptets(tools::bytestohex(bytesOf(userData)), static_cast<int>(septets));
    text.erase(0, std::min(headerSeptets(headerOctets), text.size()));
    tools::gsmtolatin(text);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace phonesim::nokia61xx
