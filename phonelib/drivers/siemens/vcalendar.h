// Calendar notes as the Siemens phones store them: vCalendar 1.0 text.
//
// Written (CR LF after every line):
//   BEGIN:VCALENDAR / VERSION:1.0 / BEGIN:VEVENT (tasks: BEGIN:VTODO)
//   CATEGORIES:MISCELLANEOUS | PHONE CALL | MEETING | ANNIVERSARY
//   DTSTART:20010305T090700      start (seconds always 00)
//   AALARM:...                   the start again, when the alarm is set
//   DTEND:...                    end, unless the note has none
//   STATUS:NEEDS ACTION | COMPLETED     tasks with a status
//   RRULE:D1 | D7 | MD | Y1      repeat every 24, 168, 744, 8760 hours
//   DESCRIPTION:text
//   END:VEVENT (END:VTODO) / END:VCALENDAR
//
// The phone delivers the alarm as DALARM; an AALARM line read back means no
// alarm. The end time travels in the note's alarm-time block.
#pragma once

#include <string>
#include <string_view>

#include "records/typendefinitionen.h"

namespace phonelib::siemens {

std::string writevcal(const TCalendarEntry& note);

// A note from a vCalendar; location 0, no number, birth year 0.
TCalendarEntry parsevcal(std::string_view text);

}  // namespace phonelib::siemens
