// The byte link to a phone as the frame layer and the AT driver see it.
// The serial port driver and the infrared link implement it; tests use a
// fake that records every byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace phonelib {

// Receives every chunk of bytes that arrives from the phone.
using ReceiveHandler = std::function<void(const uint8_t* data, size_t size)>;

class Transport {
  public:
    virtual ~Transport() = default;

    // Writes the bytes and returns how many were written; a short count means
    // the link made no progress within its output time-out.
    virtual int64_t write(const uint8_t* data, size_t size) = 0;
};

}  // namespace phonelib
