#include "tests/support/fbusframe.h"

#include <algorithm>

namespace testing_support {

std::vector<uint8_t> phoneFrame(uint8_t type, const std::vector<uint8_t>& frameData) {
    std::vector<uint8_t> frame = {0x1E,
                                  0x0C,
                                  0x00,
                                  type,
                                  static_cast<uint8_t>(frameData.size() >> 8),
                                  static_cast<uint8_t>(frameData.size())};
    frame.insert(frame.end(), frameData.begin(), frameData.end());
    if (frameData.size() % 2) frame.push_back(0);
    uint8_t checksum[2] = {0, 0};
    for (size_t i = 0; i < frame.size(); ++i) checksum[i % 2] ^= frame[i];
    frame.push_back(checksum[0]);
    frame.push_back(checksum[1]);
    return frame;
}

std::vector<uint8_t> phoneMessage(uint8_t type, const std::vector<uint8_t>& data,
                                  uint8_t firstSequence, size_t chunk) {
    const size_t frames = data.empty() ? 1 : (data.size() + chunk - 1) / chunk;
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < frames; ++i) {
        const auto begin = data.begin() + static_cast<long>(i * chunk);
        const auto end = data.begin() + static_cast<long>(std::min(data.size(), (i + 1) * chunk));
        std::vector<uint8_t> frameData(begin, end);
        frameData.push_back(static_cast<uint8_t>(frames - i));
        frameData.push_back(static_cast<uint8_t>(((firstSequence + i) & 7) | (i == 0 ? 0x40 : 0)));
        const auto frame = phoneFrame(type, frameData);
        bytes.insert(bytes.end(), frame.begin(), frame.end());
    }
    return bytes;
}

std::vector<Frame> splitFrames(const std::vector<uint8_t>& bytes) {
    std::vector<Frame> frames;
    size_t pos = 0;
    while (pos + 6 <= bytes.size()) {
        const size_t length = bytes[pos + 4] * 256 + bytes[pos + 5];
        const size_t total = 6 + length + (length % 2) + 2;
        if (pos + total > bytes.size()) break;
        Frame frame;
        frame.type = bytes[pos + 3];
        frame.data.assign(bytes.begin() + static_cast<long>(pos + 6),
                          bytes.begin() + static_cast<long>(pos + 6 + length));
        uint8_t checksum[2] = {0, 0};
        for (size_t i = 0; i < total; ++i) checksum[i % 2] ^= bytes[pos + i];
        frame.checksumsOk = checksum[0] == 0 && checksum[1] == 0;
        frames.push_back(std::move(frame));
        pos += total;
    }
    return frames;
}

}  // namespace testing_support
