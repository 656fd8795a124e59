// The text calendar file (".cal"): lines of KEY:VALUE in Windows-1252 with
// CR LF ends, "REVISION:1.0" and then one block per note:
//
//   BEGIN:ENTRY
//   TIME:202406121430          start, when valid (YYYYMMDDhhmm)
//   ALARM:202406121415         alarm (Siemens with an end: the end), when valid
//   TIMEEND:202406121500       end, when valid
//   ACTIVESTATE:ACTIVE         or DEACTIVE: the alarm is on
//   LOUDNESSSTATE:LOUD         or LOUDLESS: a silent alarm
//   TODOSTATE:OPEN             tasks: or COMPLETED
//   TYPE:MEETING               REMINDER, CALL, MEETING, BIRTHDAY, WORK
//   BIRTHYEAR:1978             birthdays ("1980" for a year below 1000)
//   DESCRIPTION:Projekt        the text, whole
//   NUMBER:0123                call notes with a number
//   REPEAT:168                 repeat in hours, when not 0
//   END:ENTRY
#pragma once

#include <string>
#include <string_view>

#include "corvina/calendar/notefile.h"

namespace corvina {

std::string writeCalFile(const std::vector<CalendarNote>& notes);

// Keys and keywords in any case. Refused: a key outside an entry (only
// REVISION may stand there), an entry opened inside another or left open,
// a line without a key, a timestamp that is not twelve digits of a date and
// time, a repeat that is not a number, more than 440 entries. An all-zero
// timestamp (older files wrote one for a missing end) counts as none.
NoteFileRead readCalFile(std::string_view bytes);

}  // namespace corvina
