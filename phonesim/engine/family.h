// Which family of phones a simulated phone belongs to, by its model code:
// the request table it answers from, and what it sends by itself.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "phonesim/fixture/fixture.h"
#include "phonesim/nokia61xx/phone.h"
#include "phonesim/wire/message.h"

namespace phonesim {

struct PhoneFamily {
    bool (*dispatch)(nokia61xx::Phone& phone, const Message& request);
    // Messages the phone sends every status interval once a PC talks to
    // it; none for phones that only answer.
    std::vector<Message> (*statusMessages)(const Fixture& fixture);
    // Stores a message that came in and gives what the phone tells the PC.
    std::optional<Message> (*storeArrival)(Fixture& fixture, const StoredMessage& message);
};

// The 7110 family (NSE-5, NPE-3, NHM-3, NPE-4, and NHM-7 for its mixed
// table); every other code answers as the 61xx family.
PhoneFamily familyOf(const QString& modelCode);

}  // namespace phonesim
