// Reading a run of phonebook or address-book locations for corvina-cli:
// progress on stderr, a failed location named and skipped, a lost link
// ending the read at once with what was printed kept.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "records/typendefinitionen.h"

namespace cli {

struct EntryRun {
    int32_t from = 1;
    int32_t to = 0;
    int stopAfter = -1;   // entries found before the read ends early; -1: never
    const char* place;    // "Platz", "Adresse": names one location
    const char* entries;  // "Einträge", "Adressen": names what was read
};

// Reads locations from..to; `entryAt` gives the record to read (memory and
// location set), `print` shows a non-empty entry. The exit status: 0, 1
// when a location failed or the link was lost.
int readEntryRun(const EntryRun& run, const std::function<TPhoneBookEntry(int32_t)>& entryAt,
                 const std::function<void(int32_t, const TPhoneBookEntry&)>& print);

}  // namespace cli
