// The program's own numbering of the connected phone, derived from the
// model code the phone reports, and the name shown for it.
#pragma once

#include <cstdint>
#include <string>

namespace corvina {

constexpr uint8_t kNoModelYet = 24;  // until the first connection

struct ModelNumber {
    uint8_t number = kNoModelYet;
    const char* name = "";
};

// Exact match on the model code; other codes holding "NOKIA" (any case)
// count as a Nokia 62xx, anything else as a Siemens S25.
ModelNumber modelNumberOf(const std::string& modelCode);

bool isSiemens(uint8_t number);
bool isSiemensWithAddressBook(uint8_t number);
bool isNokia(uint8_t number);
bool isNokia61xxFamily(uint8_t number);
bool isNokia7110Family(uint8_t number);
// Siemens models without call diverts and profiles.
bool lacksDivertsAndProfiles(uint8_t number);
// Nokia 3210 and 51xx: no calendar.
bool lacksCalendar(uint8_t number);

}  // namespace corvina
