// The simulated NSE-3 with a full 250-entry SIM, for the phonebook benchmarks.
#pragma once

#include "tests/support/fullphonebook.h"

namespace bench {

constexpr int kSimEntries = testing_support::kFullSimEntries;

inline phonesim::Fixture fullSim() {
    return testing_support::fullSimFixture();
}

}  // namespace bench
