// Turns received bytes into acknowledged, reassembled FBUS messages.
//
// Bytes may arrive in any pieces; the assembler keeps its state between
// calls. Each frame is collected on its own and only taken into the message
// once it is complete and sound: every good cable frame other than an
// acknowledgement is acknowledged with the low nibble of its sequence byte,
// frames of a multi-frame message are joined, and the dispatch callback runs
// once per complete message with the message in the receive buffer.
//
// Faults the phone or the cable may produce:
// - cable frames whose checksums do not match are neither acknowledged nor
//   taken, so the phone sends them again; they are counted;
// - a frame that repeats the previous good frame (same type and sequence
//   byte: the phone missed our acknowledgement) is acknowledged again but
//   taken only once;
// - a message that would overflow the receive buffer is dropped whole, up to
//   and including its last frame.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "phonelib/api/librarystate.h"
#include "phonelib/frames/receivebuffer.h"

namespace phonelib {

class FbusAssembler {
  public:
    using AckSender = std::function<void(uint8_t type, uint8_t sequence)>;
    using Dispatcher = std::function<void(uint8_t type)>;

    FbusAssembler(const LibraryState& state, ReceiveBuffer& buffer, AckSender sendAck,
                  Dispatcher dispatch)
        : state_(state),
          buffer_(buffer),
          sendAck_(std::move(sendAck)),
          dispatch_(std::move(dispatch)) {}

    void OnReceiveData(const uint8_t* data, size_t size);

    // Back to waiting for a start byte, no multi-frame message in progress.
    void reset();

    uint64_t badChecksumFrames() const { return badChecksumFrames_; }
    uint64_t oversizeMessages() const { return oversizeMessages_; }
    uint64_t repeatedFrames() const { return repeatedFrames_; }

  private:
    enum class Wait { StartByte, Destination, Source, Type, LengthHigh, LengthLow, Data };

    void receiveByte(uint8_t b);
    size_t frameBytes() const;
    void frameComplete();
    void takeFrame(std::span<const uint8_t> data);
    bool isRepeat(uint8_t sequence) const;

    const LibraryState& state_;
    ReceiveBuffer& buffer_;
    AckSender sendAck_;
    Dispatcher dispatch_;

    // The frame being received.
    Wait wait_ = Wait::StartByte;
    uint8_t destination_ = 0;
    uint8_t source_ = 0;
    uint8_t type_ = 0;
    uint8_t lengthHigh_ = 0;
    size_t frameLength_ = 0;
    std::vector<uint8_t> frame_;  // data, padding and checksums
    uint8_t xor_[2] = {0, 0};     // running XOR of the even and odd offsets
    size_t frameOffset_ = 0;

    // The message being joined.
    bool continuing_ = false;
    bool discarding_ = false;  // skipping the rest of an oversize message
    bool haveLastFrame_ = false;
    uint8_t lastType_ = 0;
    uint8_t lastSequence_ = 0;

    uint64_t badChecksumFrames_ = 0;
    uint64_t oversizeMessages_ = 0;
    uint64_t repeatedFrames_ = 0;
};

}  // namespace phonelib
