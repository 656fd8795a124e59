#include "tests/phonesim/pcside.h"

namespace phonesim_test {

Bytes pcFrame(uint8_t type, const Bytes& frameData) {
    Bytes frame = {0x1E,
                   0x00,
                   0x0C,
                   type,
                   static_cast<uint8_t>(frameData.size() >> 8),
                   static_cast<uint8_t>(frameData.size())};
    frame.insert(frame.end(), frameData.begin(), frameData.end());
    if (frame.size() % 2 != 0) frame.push_back(0x00);
    uint8_t even = 0;
    uint8_t odd = 0;
    for (size_t i = 0; i < frame.size(); ++i) (i % 2 == 0 ? even : odd) ^= frame[i];
    frame.push_back(even);
    frame.push_back(odd);
    return frame;
}

Bytes pcMessage(uint8_t type, const Bytes& body, uint8_t sequence) {
    Bytes data = body;
    data.push_back(0x01);
    data.push_back(sequence);
    return pcFrame(type, data);
}

Bytes pcAck(uint8_t type, uint8_t sequence) {
    return pcFrame(0x7F, {type, static_cast<uint8_t>(sequence & 0x0F)});
}

std::vector<PhoneFrame> splitPhoneFrames(const Bytes& bytes, Bytes* rest) {
    std::vector<PhoneFrame> frames;
    size_t i = 0;
    while (i < bytes.size()) {
        if (bytes[i] != 0x1E || i + 6 > bytes.size()) {
            if (rest) rest->push_back(bytes[i]);
            ++i;
            continue;
        }
        const size_t length = size_t{bytes[i + 4]} << 8 | bytes[i + 5];
        const size_t total = 6 + length + length % 2 + 2;
        if (i + total > bytes.size()) break;
        PhoneFrame frame{bytes[i + 1], bytes[i + 2], bytes[i + 3],
                         Bytes(bytes.begin() + static_cast<long>(i) + 6,
                               bytes.begin() + static_cast<long>(i + 6 + length)),
                         false};
        uint8_t even = 0;
        uint8_t odd = 0;
        for (size_t k = 0; k < total - 2; ++k) (k % 2 == 0 ? even : odd) ^= bytes[i + k];
        frame.checksumsOk = even == bytes[i + total - 2] && odd == bytes[i + total - 1];
        frames.push_back(frame);
        i += total;
    }
    return frames;
}

Bench::Bench(phonesim::Fixture fixture, phonesim::EngineSettings settings)
    : engine(std::move(fixture), pipe, clock, faults, journal, settings) {}

std::vector<phonesim::Message> Bench::ask(uint8_t type, const Bytes& body, phonesim::Millis wait) {
    feed(pcMessage(type, body, 0x40 | sequence_));
    sequence_ = (sequence_ + 1) & 0x07;
    std::vector<phonesim::Message> answers;
    phonesim::Message partial;
    for (phonesim::Millis waited{0}; waited <= wait; waited += phonesim::Millis(1)) {
        for (const auto& frame : takeFrames()) {
            if (frame.type == 0x7F || !frame.checksumsOk || frame.data.size() < 2) continue;
            feed(pcAck(frame.type, frame.data.back()));
            partial.type = frame.type;
            partial.body.insert(partial.body.end(), frame.data.begin(), frame.data.end() - 2);
            if (frame.data[frame.data.size() - 2] == 1)
                answers.push_back(std::exchange(partial, {}));
        }
        clock.advance(phonesim::Millis(1));
    }
    return answers;
}

std::optional<phonesim::Message> Bench::answerTo(uint8_t type, const Bytes& body) {
    const auto answers = ask(type, body, phonesim::Millis(10));
    if (answers.size() != 1) return std::nullopt;
    return answers.front();
}

}  // namespace phonesim_test
