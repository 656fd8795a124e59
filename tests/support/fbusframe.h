// Builds and splits FBUS cable frames the way a phone does, independently of
// the library's own frame layer, so tests can check one against the other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace testing_support {

// One frame from the phone (destination 0C, source 00): header, the frame
// data as given, padding to an even length, and the two XOR checksums.
std::vector<uint8_t> phoneFrame(uint8_t type, const std::vector<uint8_t>& frameData);

// A whole message as the phone sends it: split into frames of at most
// chunk bytes, each ending in frames-to-go and a sequence byte.
std::vector<uint8_t> phoneMessage(uint8_t type, const std::vector<uint8_t>& data,
                                  uint8_t firstSequence = 0, size_t chunk = 120);

struct Frame {
    uint8_t type = 0;
    std::vector<uint8_t> data;  // frame data without padding and checksums
    bool checksumsOk = false;
};

// Splits a byte stream written by the library into cable frames.
std::vector<Frame> splitFrames(const std::vector<uint8_t>& bytes);

}  // namespace testing_support
