#include "phonesim/wire/phonetframe.h"

#include <algorithm>

#include "phonesim/wire/cableframe.h"

namespace phonesim {

std::vector<uint8_t> buildPhonetFrame(uint8_t type, std::span<const uint8_t> body) {
    std::vector<uint8_t> frame(6 + body.size());
    writeFrameHeader(frame, kPhonetStartByte, type, body.size());
    std::copy(body.begin(), body.end(), frame.begin() + 6);
    return frame;
}

void PhonetDeframer::reset() {
    raw_.clear();
    expected_ = 0;
}

std::optional<Message> PhonetDeframer::feed(uint8_t byte) {
    if (raw_.empty() && byte != kPhonetStartByte) return std::nullopt;
    raw_.push_back(byte);
    if (raw_.size() == 6) expected_ = 6 + (size_t{raw_[4]} << 8 | raw_[5]);
    if (raw_.size() < 6 || raw_.size() < expected_) return std::nullopt;
    Message message{raw_[3], std::vector<uint8_t>(raw_.begin() + 6, raw_.end())};
    reset();
    return message;
}

}  // namespace phonesim
