// Cuts a message into the frame data blocks of cable frames and puts the
// blocks of a multi-frame message back together.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "phonesim/wire/message.h"

namespace phonesim {

constexpr size_t kMessageBytesPerFrame = 120;

// The phone's 3-bit frame counter. Every frame it sends takes the next
// value; the first frame of a message has bit 6 set as well.
class SequenceCounter {
  public:
    uint8_t next();

  private:
    uint8_t value_ = 0;
};

// Frame data blocks for one message: at most 120 message bytes each, then
// the frames-to-go count (down to 1 in the last frame) and the sequence byte.
std::vector<std::vector<uint8_t>> splitMessage(std::span<const uint8_t> body,
                                               SequenceCounter& counter);

// Collects the frames of one message from the PC. A frame of another type
// in the middle of a message abandons the unfinished one.
class MessageAssembler {
  public:
    static constexpr size_t kMaxMessageBytes = 65536;

    // Frame data ending in frames-to-go and sequence byte (at least 2 bytes).
    // Returns the message once its last frame is in.
    std::optional<Message> add(uint8_t type, std::span<const uint8_t> frameData);
    void reset();

  private:
    bool collecting_ = false;
    Message partial_;
};

}  // namespace phonesim
