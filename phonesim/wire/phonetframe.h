// PhoNet frames, the framing of the infrared link (here carried over a Unix
// socket): start byte 14, destination, source, type, two length bytes, then
// the message body unchanged. No padding, checksums, frames-to-go or
// sequence bytes, and every message travels in one frame.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "phonesim/wire/message.h"

namespace phonesim {

constexpr uint8_t kPhonetStartByte = 0x14;

std::vector<uint8_t> buildPhonetFrame(uint8_t type, std::span<const uint8_t> body);

// Reads PhoNet frames out of a byte stream; bytes before a start byte are
// skipped.
class PhonetDeframer {
  public:
    std::optional<Message> feed(uint8_t byte);
    void reset();

  private:
    std::vector<uint8_t> raw_;
    size_t expected_ = 0;
};

}  // namespace phonesim
