// What the fuzz targets of the simulated phone share: the shipped fixtures
// of one family, and a PC's bytes arriving in pieces.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "phonesim/fixture/fixture.h"
#include "phonesim/fixture/siemensdata.h"
#include "phonesim/link/manualscheduler.h"
#include "phonesim/transport/pipetransport.h"

namespace fuzzing {

// The fixtures of the shipped Siemens models, or of the shipped Nokia ones.
inline std::vector<phonesim::Fixture> shippedFixtures(bool siemens) {
    std::vector<phonesim::Fixture> fixtures;
    for (const QString& model : phonesim::Fixture::shippedModels()) {
        if (phonesim::isSiemensModel(model) == siemens) {
            fixtures.push_back(phonesim::Fixture::forModel(model));
        }
    }
    return fixtures;
}

// Feeds the bytes to the phone in pieces of 1 to 64 bytes (their sizes
// drawn from `salt`), with its clock moving on between them so that resends
// and time-outs happen; what it answers is thrown away.
inline void feedInPieces(phonesim::PipeTransport& pipe, phonesim::ManualScheduler& clock,
                         std::span<const uint8_t> bytes, uint8_t salt) {
    size_t piece = 1;
    for (size_t at = 0; at < bytes.size(); at += piece) {
        piece = std::min<size_t>(bytes.size() - at, 1 + ((at + 1) * 13 + salt) % 64);
        pipe.feed(bytes.subspan(at, piece));
        clock.advance(phonesim::Millis(20 * (bytes[at] % 8)));
        pipe.takeOutput();
    }
    clock.advance(phonesim::Millis(1000));
}

}  // namespace fuzzing
