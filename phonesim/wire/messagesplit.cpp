#include "phonesim/wire/messagesplit.h"

#include <algorithm>

namespace phonesim {

uint8_t SequenceCounter::next() {
    const uint8_t value = value_;
    value_ = (value_ + 1) & 0x07;
    return value;
}

std::vector<std::vector<uint8_t>> splitMessage(std::span<const uint8_t> body,
                                               SequenceCounter& counter) {
    const size_t frames =
        std::max<size_t>(1, (body.size() + kMessageBytesPerFrame - 1) / kMessageBytesPerFrame);
    std::vector<std::vector<uint8_t>> blocks;
    blocks.reserve(frames);
    for (size_t i = 0; i < frames; ++i) {
        const auto part =
            body.subspan(i * kMessageBytesPerFrame,
                         std::min(kMessageBytesPerFrame, body.size() - i * kMessageBytesPerFrame));
        std::vector<uint8_t> block(part.begin(), part.end());
        block.push_back(static_cast<uint8_t>(frames - i));
        block.push_back(static_cast<uint8_t>((i == 0 ? 0x40 : 0x00) | counter.next()));
        blocks.push_back(std::move(block));
    }
    return blocks;
}

void MessageAssembler::reset() {
    collecting_ = false;
    partial_ = Message{};
}

std::optional<Message> MessageAssembler::add(uint8_t type, std::span<const uint8_t> frameData) {
    if (frameData.size() < 2) return std::nullopt;
    if (collecting_ && partial_.type != type) reset();
    if (!collecting_) {
        partial_ = Message{type, {}};
        collecting_ = true;
    }
    const auto payload = frameData.first(frameData.size() - 2);
    if (partial_.body.size() + payload.size() > kMaxMessageBytes) {
        reset();
        return std::nullopt;
    }
    partial_.body.insert(partial_.body.end(), payload.begin(), payload.end());
    const uint8_t framesToGo = frameData[frameData.size() - 2];
    if (framesToGo > 1) return std::nullopt;
    Message done = std::move(partial_);
    reset();
    return done;
}

}  // namespace phonesim
