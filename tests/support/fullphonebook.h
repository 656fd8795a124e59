// A Nokia 6110 whose SIM holds an entry at every one of its 250 locations,
// for reads long enough to be interrupted.
#pragma once

#include "phonesim/fixture/fixture.h"

namespace testing_support {

constexpr int kFullSimEntries = 250;

inline QString fullSimName(int location) {
    return QString("Eintrag Nummer %1").arg(location);
}

inline phonesim::Fixture fullSimFixture() {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    for (int location = 1; location <= kFullSimEntries; ++location) {
        fixture.phonebook.sim.entries[location] = {
            fullSimName(location), QString("+4930123%1").arg(location, 4, 10, QChar('0')),
            location % 6};
    }
    return fixture;
}

}  // namespace testing_support
