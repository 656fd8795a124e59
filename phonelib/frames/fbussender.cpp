#include "phonelib/frames/fbussender.h"

#include <algorithm>
#include <vector>

namespace phonelib {

void FbusSender::SendFrame(std::span<const uint8_t> frameData, uint8_t type) {
    const auto length = frameData.size();
    std::vector<uint8_t> frame;
    frame.reserve(length + 9);
    frame.insert(frame.end(),
                 {state_.FrameStartByte.load(), 0x00, 0x0C, type, static_cast<uint8_t>(length >> 8),
                  static_cast<uint8_t>(length & 0xFF)});
    frame.insert(frame.end(), frameData.begin(), frameData.end());

    if (state_.phoNet()) {
        // Frames over a lost infrared link are dropped until the next set-up.
        if (state_.LinkLost || !state_.SocketOpen) return;
    } else {
        if (length % 2 == 1) frame.push_back(0x00);
        uint8_t even = 0;
        uint8_t odd = 0;
        for (size_t i = 0; i < frame.size(); ++i) (i % 2 == 0 ? even : odd) ^= frame[i];
        frame.push_back(even);
        frame.push_back(odd);
    }
    if (transport_) transport_->write(frame.data(), frame.size());
}

uint8_t FbusSender::nextSequence() {
    const uint8_t sequence = counter_;
    counter_ = (counter_ + 1) % 8;
    return sequence;
}

void FbusSender::SendFbusMessage(uint8_t type, std::span<const uint8_t> data) {
    if (state_.phoNet()) {
        SendFrame(data, type);
        return;
    }
    const size_t frames = data.empty() ? 1 : (data.size() + kMaxFrameData - 1) / kMaxFrameData;
    uint8_t sequence = 0x40 | nextSequence();
    std::vector<uint8_t> frame;
    for (size_t i = 0; i < frames; ++i) {
        const auto chunk = data.subspan(
            i * kMaxFrameData, std::min<size_t>(kMaxFrameData, data.size() - i * kMaxFrameData));
        frame.assign(chunk.begin(), chunk.end());
        frame.push_back(static_cast<uint8_t>(frames - i));
        frame.push_back(sequence);
        SendFrame(frame, type);
        if (i + 1 < frames) sequence = nextSequence();
    }
}

void FbusSender::SendAck(uint8_t type, uint8_t sequence) {
    const uint8_t data[] = {type, sequence};
    SendFrame(data, kAckType);
}

}  // namespace phonelib
