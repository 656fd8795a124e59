#include "phonelib/frames/fbusassembler.h"

#include <algorithm>

#include "phonelib/frames/fbussender.h"

namespace phonelib {

namespace {

constexpr uint8_t kUnacknowledgedType = 0xF1;

bool needsAck(uint8_t type) {
    return type != kAckType && type != kUnacknowledgedType;
}

}  // namespace

void FbusAssembler::reset() {
    wait_ = Wait::StartByte;
    continuing_ = false;
    discarding_ = false;
    haveLastFrame_ = false;
}

void FbusAssembler::OnReceiveData(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < size; ++i) receiveByte(data[i]);
}

size_t FbusAssembler::frameBytes() const {
    // On the cable an odd length is padded to even, then two checksums follow.
    return state_.phoNet() ? frameLength_ : frameLength_ + frameLength_ % 2 + 2;
}

void FbusAssembler::receiveByte(uint8_t b) {
    xor_[frameOffset_ % 2] ^= b;
    ++frameOffset_;
    switch (wait_) {
        case Wait::StartByte:
            if (b != state_.FrameStartByte) return;
            xor_[0] = b;
            xor_[1] = 0;
            frameOffset_ = 1;
            frame_.clear();
            wait_ = Wait::Destination;
            return;
        case Wait::Destination:
            destination_ = b;
            wait_ = Wait::Source;
            return;
        case Wait::Source:
            source_ = b;
            wait_ = Wait::Type;
            return;
        case Wait::Type:
            type_ = b;
            wait_ = Wait::LengthHigh;
            return;
        case Wait::LengthHigh:
            lengthHigh_ = b;
            wait_ = Wait::LengthLow;
            return;
        case Wait::LengthLow:
            // The cable length is one byte; the high byte is not used there.
            frameLength_ = state_.phoNet() ? lengthHigh_ * 256u + b : b;
            wait_ = frameLength_ == 0 && state_.phoNet() ? Wait::StartByte : Wait::Data;
            return;
        case Wait::Data:
            frame_.push_back(b);
            if (frame_.size() == frameBytes()) {
                wait_ = Wait::StartByte;
                frameComplete();
            }
            return;
    }
}

bool FbusAssembler::isRepeat(uint8_t sequence) const {
    return haveLastFrame_ && lastType_ == type_ && lastSequence_ == sequence;
}

void FbusAssembler::frameComplete() {
    const std::span<const uint8_t> data(frame_.data(), frameLength_);
    if (state_.phoNet()) {
        if (needsAck(type_)) sendAck_(type_, data.back() & 0x0F);
        continuing_ = false;
        takeFrame(data);
        if (buffer_.length > 0) dispatch_(type_);
        return;
    }
    if (xor_[0] != 0 || xor_[1] != 0) {
        ++badChecksumFrames_;
        return;
    }
    // Every cable frame ends in frames-to-go and a sequence byte.
    if (frameLength_ < 2) return;
    if (continuing_ && type_ != buffer_.messageType) continuing_ = false;  // interrupted
    if (discarding_ && type_ != buffer_.messageType) discarding_ = false;

    if (needsAck(type_)) {
        const uint8_t sequence = data.back();
        sendAck_(type_, sequence & 0x0F);
        if (isRepeat(sequence)) {
            ++repeatedFrames_;
            return;
        }
        haveLastFrame_ = true;
        lastType_ = type_;
        lastSequence_ = sequence;
    }
    const bool lastFrame = data[frameLength_ - 2] == 1;
    if (discarding_) {
        buffer_.messageType = type_;
        discarding_ = !lastFrame;
        return;
    }
    takeFrame(data);
    if (buffer_.length == 0) {
        discarding_ = !lastFrame;  // too long: skip the rest of it
        continuing_ = false;
        return;
    }
    // Acknowledgements leave a message in progress as it is.
    if (needsAck(type_)) continuing_ = !lastFrame;
    if (!continuing_) dispatch_(type_);
}

void FbusAssembler::takeFrame(std::span<const uint8_t> data) {
    // A continuation frame's data overwrites the frames-to-go and sequence
    // bytes of the frame before it.
    const size_t start = continuing_ ? static_cast<size_t>(buffer_.length) - 2 : 0;
    buffer_.destination = destination_;
    buffer_.source = source_;
    buffer_.messageType = type_;
    if (start + data.size() > buffer_.data.size()) {
        ++oversizeMessages_;
        buffer_.length = 0;
        return;
    }
    std::copy(data.begin(), data.end(), buffer_.data.begin() + static_cast<long>(start));
    buffer_.length = static_cast<int32_t>(start + data.size());
}

}  // namespace phonelib
