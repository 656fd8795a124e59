#include "phonelib/drivers/bodytext.h"

#include <algorithm>

#include "codecs/tools/hextext.h"

namespace phonelib {

std::string textUntil(std::span<const uint8_t> body, size_t from, uint8_t terminator) {
    if (from >= body.size()) return {};
    const auto begin = body.begin() + static_cast<long>(from);
    const auto end = std::find(begin, body.end(), terminator);
    if (end == body.end()) return {};
    return std::string(begin, end);
}

size_t afterTerminator(std::span<const uint8_t> body, size_t from, uint8_t terminator) {
    if (from >= body.size()) return body.size();
    const auto end = std::find(body.begin() + static_cast<long>(from), body.end(), terminator);
    return end == body.end() ? body.size() : static_cast<size_t>(end - body.begin()) + 1;
}

std::string bytesAt(std::span<const uint8_t> body, size_t from, size_t count) {
    if (from > body.size() || count > body.size() - from) return {};
    return std::string(body.begin() + static_cast<long>(from),
                       body.begin() + static_cast<long>(from + count));
}

uint16_t wordAt(std::span<const uint8_t> body, size_t at) {
    if (at >= body.size() || body.size() - at < 2) return 0;
    return static_cast<uint16_t>(body[at] << 8 | body[at + 1]);
}

std::string hexOf(std::span<const uint8_t> body, size_t from, size_t count) {
    if (from >= body.size()) return {};
    count = std::min(count, body.size() - from);
    return tools::bytestohex(std::string(body.begin() + static_cast<long>(from),
                                         body.begin() + static_cast<long>(from + count)));
}

}  // namespace phonelib
