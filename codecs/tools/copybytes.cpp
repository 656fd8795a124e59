#include "codecs/tools/copybytes.h"

#include <algorithm>
#include <cstring>

namespace tools {

namespace {

// How many of `count` bytes from `start` on an array of `size` bytes holds.
size_t available(size_t size, size_t start, size_t count) {
    return start < size ? std::min(count, size - start) : 0;
}

}  // namespace

std::string copybytes(std::span<const uint8_t> source, size_t start, size_t count) {
    const size_t n = available(source.size(), start, count);
    return n == 0 ? std::string() : std::string(source.begin() + start, source.begin() + start + n);
}

size_t copybytes(std::span<const uint8_t> source, size_t sourceStart, std::span<uint8_t> target,
                 size_t targetStart, size_t count) {
    const size_t n =
        available(target.size(), targetStart, available(source.size(), sourceStart, count));
    // memmove: source and target may be runs of one array.
    if (n > 0) std::memmove(target.data() + targetStart, source.data() + sourceStart, n);
    return n;
}

}  // namespace tools
