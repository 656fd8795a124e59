#include "phonesim/wire/cableframe.h"

#include <algorithm>

namespace phonesim {

void writeFrameHeader(std::span<uint8_t> frame, uint8_t startByte, uint8_t type, size_t length) {
    frame[0] = startByte;
    frame[1] = kPcAddress;
    frame[2] = kPhoneAddress;
    frame[3] = type;
    frame[4] = static_cast<uint8_t>(length >> 8);
    frame[5] = static_cast<uint8_t>(length & 0xFF);
}

std::vector<uint8_t> buildCableFrame(uint8_t type, std::span<const uint8_t> frameData) {
    const size_t length = frameData.size();
    // Header, data, a padding byte for an odd length, two checksums.
    std::vector<uint8_t> frame(6 + length + length % 2 + 2, 0x00);
    writeFrameHeader(frame, kCableStartByte, type, length);
    std::copy(frameData.begin(), frameData.end(), frame.begin() + 6);
    const size_t checksumAt = frame.size() - 2;
    for (size_t i = 0; i < checksumAt; ++i) frame[checksumAt + i % 2] ^= frame[i];
    return frame;
}

std::vector<uint8_t> buildCableAck(uint8_t type, uint8_t sequence) {
    const uint8_t data[] = {type, static_cast<uint8_t>(sequence & 0x0F)};
    return buildCableFrame(kAckType, data);
}

void CableDeframer::reset() {
    raw_.clear();
    expected_ = 0;
}

std::optional<CableFrame> CableDeframer::feed(uint8_t byte) {
    if (raw_.empty() && byte != kCableStartByte) return std::nullopt;
    raw_.push_back(byte);
    if (raw_.size() == 6) {
        const size_t length = size_t{raw_[4]} << 8 | raw_[5];
        if (length > kMaxFrameData) {
            reset();
            return std::nullopt;
        }
        expected_ = 6 + length + length % 2 + 2;
    }
    if (raw_.size() < 6 || raw_.size() < expected_) return std::nullopt;

    const size_t length = size_t{raw_[4]} << 8 | raw_[5];
    uint8_t even = 0;
    uint8_t odd = 0;
    for (size_t i = 0; i + 2 < raw_.size(); i += 2) even ^= raw_[i];
    for (size_t i = 1; i + 2 < raw_.size(); i += 2) odd ^= raw_[i];

    CableFrame frame;
    frame.destination = raw_[1];
    frame.source = raw_[2];
    frame.type = raw_[3];
    frame.data.assign(raw_.begin() + 6, raw_.begin() + 6 + static_cast<long>(length));
    frame.checksumsOk = even == raw_[raw_.size() - 2] && odd == raw_[raw_.size() - 1];
    reset();
    return frame;
}

}  // namespace phonesim
