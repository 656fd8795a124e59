// FBUS frames on the serial cable, seen from the phone.
//
//   1E  dest  src  type  len-hi  len-lo  data[len]  [00 if len is odd]  cs1  cs2
//
// cs1 is the XOR of every byte at an even offset before it, cs2 the XOR of
// every byte at an odd offset (cs1 excluded). Frames the phone sends go to
// the PC (destination 0C) from the phone (source 00). The data of a message
// frame ends in the frames-to-go count and the sequence byte; an
// acknowledgement (type 7F) carries only the acknowledged type and sequence.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace phonesim {

constexpr uint8_t kCableStartByte = 0x1E;
constexpr uint8_t kAckType = 0x7F;
constexpr uint8_t kPcAddress = 0x0C;
constexpr uint8_t kPhoneAddress = 0x00;

// The six header bytes of a frame from the phone: start byte, destination
// PC, source phone, type, length.
void writeFrameHeader(std::span<uint8_t> frame, uint8_t startByte, uint8_t type, size_t length);

// One whole frame from the phone to the PC around the given frame data.
std::vector<uint8_t> buildCableFrame(uint8_t type, std::span<const uint8_t> frameData);

// The acknowledgement of a received frame: data [type, low nibble of seq].
std::vector<uint8_t> buildCableAck(uint8_t type, uint8_t sequence);

struct CableFrame {
    uint8_t destination = 0;
    uint8_t source = 0;
    uint8_t type = 0;
    std::vector<uint8_t> data;  // without padding and checksums
    bool checksumsOk = false;
};

// Reads cable frames out of a byte stream, one byte at a time. Anything
// before a start byte (wake-up bytes, modem text, line noise) is skipped. A
// frame is reported whole, with the verdict of its checksums; a length too
// large for any frame makes the deframer look for the next start byte.
class CableDeframer {
  public:
    static constexpr size_t kMaxFrameData = 1024;

    std::optional<CableFrame> feed(uint8_t byte);
    void reset();

  private:
    std::vector<uint8_t> raw_;  // the frame so far, from its start byte on
    size_t expected_ = 0;       // its whole size once the length is known
};

}  // namespace phonesim
