// What the simulated phone received, for end-to-end tests that look at the
// wire.
#pragma once

#include <cstdint>
#include <vector>

#include "phonesim/simulator.h"

namespace testing_support {

// The bodies of every request of one type (and sub-command, at byte 3 or
// where given), in order.
inline std::vector<std::vector<uint8_t>> requestBodies(const phonesim::Simulator& sim, uint8_t type,
                                                       int subCommand = -1, size_t at = 3) {
    std::vector<std::vector<uint8_t>> bodies;
    for (const auto& request : sim.requests()) {
        if (request.type != type) continue;
        if (subCommand >= 0 && (request.body.size() <= at || request.body[at] != subCommand))
            continue;
        bodies.push_back(request.body);
    }
    return bodies;
}

}  // namespace testing_support
