// A message a driver is about to send: message type and body. Drivers build
// their requests with pure functions that tests check byte for byte.
#pragma once

#include <cstdint>
#include <vector>

namespace phonelib {

struct Request {
    uint8_t type = 0;
    std::vector<uint8_t> body;

    bool operator==(const Request&) const = default;
};

// Locations, numbers and sizes travel as one byte in most requests; a
// larger value would name something else, so it is refused before sending.
inline bool fitsOneByte(int32_t value) {
    return value >= 0 && value <= 0xFF;
}

// The same for the 16-bit locations of the 7110 family.
inline bool fitsSixteenBits(int32_t value) {
    return value >= 0 && value <= 0xFFFF;
}

// The two bytes of a 16-bit field, most significant first.
inline uint8_t highByte(int64_t value) {
    return static_cast<uint8_t>((value >> 8) & 0xFF);
}
inline uint8_t lowByte(int64_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

// Sends the request through the frame layer; library thread only.
void send(const Request& request);

}  // namespace phonelib
