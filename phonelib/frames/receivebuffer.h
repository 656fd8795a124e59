// The message the FBUS assembler is building or has just completed.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace phonelib {

constexpr int kReceiveBufferBytes = 3504;

struct ReceiveBuffer {
    uint8_t destination = 0;
    uint8_t source = 0;
    uint8_t messageType = 0;
    // Message length; on the cable it includes the frames-to-go and sequence
    // bytes of the last frame.
    int32_t length = 0;
    std::array<uint8_t, kReceiveBufferBytes> data{};

    // The message body as the drivers decode it.
    std::span<const uint8_t> body() const {
        const auto n =
            length < 0 ? 0 : (length > kReceiveBufferBytes ? kReceiveBufferBytes : length);
        return {data.data(), static_cast<size_t>(n)};
    }
};

}  // namespace phonelib
