// The bytes a message and its acknowledgements take on an FBUS cable, for
// comparing a transfer's wall time with the time the cable itself needs.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace bench {

constexpr double kBitsPerByte = 10;  // start bit, eight data bits, stop bit
constexpr double kBaud = 115200;
constexpr size_t kFrameData = 120;
constexpr uint64_t kAckBytes = 10;  // header 6, type and sequence, two checksums

// Bytes of a message on the cable, with the acknowledgement of each frame.
inline uint64_t cableBytes(size_t bodyLength) {
    const size_t frames = std::max<size_t>(1, (bodyLength + kFrameData - 1) / kFrameData);
    uint64_t bytes = 0;
    for (size_t i = 0; i < frames; ++i) {
        const size_t data = std::min(kFrameData, bodyLength - i * kFrameData) + 2;
        bytes += 6 + data + data % 2 + 2 + kAckBytes;
    }
    return bytes;
}

inline double cableSeconds(uint64_t bytes) {
    return static_cast<double>(bytes) * kBitsPerByte / kBaud;
}

}  // namespace bench
