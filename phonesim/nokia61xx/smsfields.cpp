#include "phonesim/nokia61xx/smsfields.h"

#include <algorithm>

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

// The default alphabet in code order (GSM 03.38); code 1B (escape) is a
// blank placeholder here and never matched.
const QString& defaultAlphabet() {
    static const QString table = QString::fromUtf8(
        "@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞ\x01ÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
        "¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà");
    return table;
}

constexpr char kEscape = 0x1B;
constexpr struct {
    char code;
    char16_t character;
} kExtension[] = {{0x0A, u'\f'}, {0x14, u'^'}, {0x28, u'{'}, {0x29, u'}'}, {0x2F, u'\\'},
                  {0x3C, u'['},  {0x3D, u'~'}, {0x3E, u']'}, {0x40, u'|'}, {0x65, u'\u20AC'}};

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

std::string gsmCodes(const QString& text) {
    std::string codes;
    for (const QChar c : text) {
        const qsizetype code = c == QChar(1) ? -1 : defaultAlphabet().indexOf(c);
        if (code >= 0) {
            codes += static_cast<char>(code);
            continue;
        }
        const auto* ext = std::find_if(std::begin(kExtension), std::end(kExtension),
                                       [&](const auto& e) { return e.character == c.unicode(); });
        if (ext != std::end(kExtension)) {
            codes += kEscape;
            codes += ext->code;
        } else {
            codes += '?';
        }
    }
    return codes;
}

QString gsmText(const std::string& codes) {
    QString text;
    for (size_t i = 0; i < codes.size(); ++i) {
        const int code = static_cast<uint8_t>(codes[i]) & 0x7F;
        if (code == kEscape && i + 1 < codes.size()) {
            const char next = static_cast<char>(codes[++i] & 0x7F);
            const auto* ext = std::find_if(std::begin(kExtension), std::end(kExtension),
                                           [&](const auto& e) { return e.code == next; });
            text += ext != std::end(kExtension) ? QChar(ext->character)
                                                : defaultAlphabet()[static_cast<uint8_t>(next)];
            continue;
        }
        text += code == kEscape ? QChar(u' ') : defaultAlphabet()[code];
    }
    return text;
}

QString ucs2Text(std::span<const uint8_t> bytes) {
    QString text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(static_cast<char16_t>(bytes[i] << 8 | bytes[i + 1]));
    return text;
}

QByteArray ucs2Bytes(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text) {
        bytes += static_cast<char>(c.unicode() >> 8);
        bytes += static_cast<char>(c.unicode() & 0xFF);
    }
    return bytes;
}

std::vector<uint8_t> sevenBitUserData(const QByteArray& header, const QString& text,
                                      size_t& septets) {
    const std::string gsm = gsmCodes(text);
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
    return gsmText(text);
}

bool isUcs2(uint8_t coding) {
    return (coding & 0xC0) == 0x00 ? (coding & 0x0C) == 0x08 : (coding & 0xF0) == 0xE0;
}

uint8_t storedCoding(const StoredMessage& message) {
    if (message.coding >= 0) return static_cast<uint8_t>(message.coding);
    return message.eightBit ? 0xF4 : 0x00;
}

std::vector<uint8_t> storedUserData(const StoredMessage& message, size_t& length) {
    if (!message.eightBit && !isUcs2(storedCoding(message)))
        return sevenBitUserData(message.header, message.text, length);
    std::vector<uint8_t> data(message.header.begin(), message.header.end());
    const QByteArray payload = message.eightBit ? message.data : ucs2Bytes(message.text);
    data.insert(data.end(), payload.begin(), payload.end());
    length = data.size();
    return data;
}

std::vector<uint8_t> addressField(const StoredMessage& message) {
    constexpr size_t kAddressOctets = 10;
    const uint8_t type = message.numberType >= 0 ? static_cast<uint8_t>(message.numberType)
                                                 : numberType(message.number);
    if ((type & 0x70) == 0x50) {
        size_t septets = 0;
        auto name = sevenBitUserData({}, message.number, septets);
        name.resize(std::min(name.size(), kAddressOctets));
        const auto semiOctetCount = std::min<size_t>((septets * 7 + 3) / 4, 2 * kAddressOctets);
        name.insert(name.begin(), {static_cast<uint8_t>(semiOctetCount), type});
        return name;
    }
    QString digits = message.number;
    if (digits.startsWith(QLatin1Char('+'))) digits.remove(0, 1);
    auto field = semiOctets(digits);
    field.resize(std::min(field.size(), kAddressOctets));
    field.insert(field.begin(), {static_cast<uint8_t>(digits.size()), type});
    return field;
}

}  // namespace phonesim::nokia61xx
