// The last step before the transport: applies the output faults (silence,
// dropped and corrupted answer frames, cutting into pieces) and writes.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <span>
#include <vector>

#include "phonesim/engine/journal.h"
#include "phonesim/faults/faults.h"
#include "phonesim/link/scheduler.h"
#include "phonesim/transport/transport.h"

namespace phonesim {

class LinkOutput {
  public:
    LinkOutput(Transport& transport, Scheduler& scheduler, Faults& faults, Journal& journal);
    ~LinkOutput();

    // A frame of an answer on the cable: may be dropped or corrupted.
    void writeAnswerFrame(std::span<const uint8_t> frame);
    // Acknowledgements, modem replies and PhoNet frames: only silence and
    // cutting apply.
    void writePlain(std::span<const uint8_t> bytes);
    // Forgets bytes still waiting to be cut and written.
    void reset();

  private:
    void reseedIfAsked();
    void put(std::span<const uint8_t> bytes);
    void writeNextPiece();

    Transport& transport_;
    Scheduler& scheduler_;
    Faults& faults_;
    Journal& journal_;
    std::mt19937 random_;
    uint64_t seedGeneration_ = 0;
    uint64_t answerFrames_ = 0;   // counts the frames for "every n-th"
    std::deque<uint8_t> pieces_;  // bytes waiting to go out in pieces
    Scheduler::TimerId pieceTimer_ = 0;
};

}  // namespace phonesim
