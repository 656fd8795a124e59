// The simulated NSE-3 with a full 250-entry SIM, for the phonebook benchmarks.
#pragma once

#include "phonesim/fixture/fixture.h"

namespace bench {

constexpr int kSimEntries = 250;

inline phonesim::Fixture fullSim() {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    for (int location = 1; location <= kSimEntries; ++location) {
        fixture.phonebook.sim.entries[location] = {
            QString("Eintrag Nummer %1").arg(location),
            QString("+4930123%1").arg(location, 4, 10, QChar('0')), location % 6};
    }
    return fixture;
}

}  // namespace bench
