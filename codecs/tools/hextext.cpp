#include "codecs/tools/hextext.h"

namespace tools {

int hexdigitvalue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

std::string hextobytes(std::string_view hex) {
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<char>(hexdigitvalue(hex[i]) * 16 + hexdigitvalue(hex[i + 1])));
    }
    return bytes;
}

std::string bytestohex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex.push_back(kDigits[b >> 4]);
        hex.push_back(kDigits[b & 0x0F]);
    }
    return hex;
}

std::string hextobits(std::string_view twoDigits) {
    const int value = (twoDigits.size() > 0 ? hexdigitvalue(twoDigits[0]) * 16 : 0) +
                      (twoDigits.size() > 1 ? hexdigitvalue(twoDigits[1]) : 0);
    std::string bits(8, '0');
    for (int i = 0; i < 8; ++i) {
        if (value & (0x80 >> i)) bits[i] = '1';
    }
    return bits;
}

int bitstoint(std::string_view bits) {
    int value = 0;
    for (char c : bits) value = value * 2 + (c == '1' ? 1 : 0);
    return value;
}

}  // namespace tools
