// The PC's end of the cable for the simulator's tests: builds the frames a
// PC sends and reads back the frames the phone writes.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "phonesim/engine/engine.h"
#include "phonesim/link/manualscheduler.h"
#include "phonesim/transport/pipetransport.h"

namespace phonesim_test {

using Bytes = std::vector<uint8_t>;

// A frame from the PC (destination 00, source 0C) around the frame data,
// padded and with both checksums.
Bytes pcFrame(uint8_t type, const Bytes& frameData);
// One single-frame message from the PC: body, frames-to-go 1, sequence byte.
Bytes pcMessage(uint8_t type, const Bytes& body, uint8_t sequence);
Bytes pcAck(uint8_t type, uint8_t sequence);

struct PhoneFrame {
    uint8_t destination = 0;
    uint8_t source = 0;
    uint8_t type = 0;
    Bytes data;  // without padding and checksums
    bool checksumsOk = false;
};

// Splits the phone's output into cable frames; text between frames (modem
// replies) is returned in *rest if asked for.
std::vector<PhoneFrame> splitPhoneFrames(const Bytes& bytes, Bytes* rest = nullptr);

// An engine on a pipe with a clock the test moves, and a PC that talks to it.
class Bench {
  public:
    explicit Bench(phonesim::Fixture fixture = phonesim::Fixture::forModel(QStringLiteral("NSE-3")),
                   phonesim::EngineSettings settings = {});

    phonesim::ManualScheduler clock;
    phonesim::PipeTransport pipe;
    phonesim::Faults faults{clock};
    phonesim::Journal journal;
    phonesim::Engine engine;

    void feed(const Bytes& bytes) { pipe.feed(bytes); }
    std::vector<PhoneFrame> takeFrames() { return splitPhoneFrames(pipe.takeOutput()); }

    // Sends a request like the PC does, acknowledges every answer frame at
    // once and returns the answers that came within the time given.
    std::vector<phonesim::Message> ask(uint8_t type, const Bytes& body,
                                       phonesim::Millis wait = phonesim::Millis(1000));
    // The single answer to a request, or nothing.
    std::optional<phonesim::Message> answerTo(uint8_t type, const Bytes& body);

  private:
    uint8_t sequence_ = 0;
};

}  // namespace phonesim_test
