#include "codecs/tools/septets.h"

#include <algorithm>
#include <cstdint>

#include "codecs/tools/hextext.h"

namespace tools {

std::string packseptets(std::string_view septets) {
    std::string octets;
    octets.reserve((septets.size() * 7 + 7) / 8);
    uint32_t buffer = 0;  // pending bits, the oldest in the lowest position
    int bits = 0;
    for (char c : septets) {
        buffer |= (static_cast<uint32_t>(static_cast<uint8_t>(c)) & 0x7F) << bits;
        bits += 7;
        if (bits >= 8) {
            octets.push_back(static_cast<char>(buffer & 0xFF));
            buffer >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0) octets.push_back(static_cast<char>(buffer & 0xFF));
    return bytestohex(octets);
}

namespace {

// Octet `index` of the hex text; digits beyond the end read as 0.
unsigned octetat(std::string_view hex, size_t index) {
    const size_t high = index * 2;
    if (high >= hex.size()) return 0;
    const int low = high + 1 < hex.size() ? hexdigitvalue(hex[high + 1]) : 0;
    return static_cast<unsigned>(hexdigitvalue(hex[high]) * 16 + low);
}

}  // namespace

std::string unpackseptets(std::string_view hex, int count) {
    if (count < 1) return {};
    const size_t total = std::min(static_cast<size_t>(count), hex.size());
    std::string septets;
    septets.reserve(total);
    for (size_t i = 0; i < total; ++i) {
        const size_t bit = i * 7;
        const unsigned pair = octetat(hex, bit / 8) | octetat(hex, bit / 8 + 1) << 8;
        septets.push_back(static_cast<char>((pair >> (bit % 8)) & 0x7F));
    }
    return septets;
}

}  // namespace tools
