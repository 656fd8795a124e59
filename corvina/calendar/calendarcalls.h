// The four library calls of the calendar, gathered so that tests (and the
// benchmark) can put a fake phone in their place, and the conversion of a
// note to and from the library's record.
#pragma once

#include <cstdint>
#include <functional>

#include "corvina/calendar/calendarnote.h"
#include "records/typendefinitionen.h"

namespace corvina {

struct CalendarCalls {
    std::function<uint8_t(TCalendarInfo&)> info;
    std::function<uint8_t(TCalendarEntry&, int32_t)> read;
    std::function<uint8_t(const TCalendarEntry&)> write;
    std::function<uint8_t(int32_t)> remove;

    static CalendarCalls library();
};

// A note read from the phone of the model number. Text and number stay
// whole. Siemens phones with an end deliver it in the alarm block; every
// other phone has none. A 7110 birthday's alarm moves into the shown year.
CalendarNote noteFromEntry(const TCalendarEntry& entry, uint8_t modelNumber, int shownYear);
// The record written for the note; the three validity flags stay 0.
TCalendarEntry entryFromNote(const CalendarNote& note, int32_t location);

// How many notes the info record names: used and maximum, at most 1000.
int listedNotes(const TCalendarInfo& info);

}  // namespace corvina
