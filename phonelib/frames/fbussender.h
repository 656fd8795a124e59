// Turns driver messages into FBUS frames on the wire.
//
// Cable frame: start byte, destination 00, source 0C, type, length (2 bytes),
// data, one padding byte when the length is odd, then two XOR checksums over
// the even and the odd offsets. Every frame of a message ends with the
// frames-to-go count and the sequence byte. Over infrared (PhoNet) the header
// is followed by the message data unchanged, in one frame.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "phonelib/api/librarystate.h"
#include "phonelib/transport/transport.h"

namespace phonelib {

constexpr int kMaxFrameData = 120;  // message bytes per cable frame
constexpr uint8_t kAckType = 0x7F;

class FbusSender {
  public:
    explicit FbusSender(const LibraryState& state) : state_(state) {}

    // The link frames are written to; null drops every frame.
    void setTransport(Transport* transport) { transport_ = transport; }

    void SendFrame(std::span<const uint8_t> frameData, uint8_t type);
    void SendFbusMessage(uint8_t type, std::span<const uint8_t> data);
    void SendFbusMessage(uint8_t type, std::initializer_list<uint8_t> data) {
        SendFbusMessage(type, std::span<const uint8_t>(data.begin(), data.size()));
    }
    void SendAck(uint8_t type, uint8_t sequence);

    // The 3-bit send counter; library-wide and never reset.
    uint8_t sequenceCounter() const { return counter_; }

  private:
    uint8_t nextSequence();

    const LibraryState& state_;
    Transport* transport_ = nullptr;
    uint8_t counter_ = 0;
};

}  // namespace phonelib
