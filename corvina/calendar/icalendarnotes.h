// Notes as iCalendar (RFC 5545) through libical: a whole table as one file,
// or one note per file for a calendar folder.
//
// Written: reminders, calls, meetings and birthdays as VEVENT with
// CATEGORIES REMINDER, CALL, MEETING or BIRTHDAY and the text as SUMMARY;
// tasks as VTODO with STATUS (none for status 2). A valid end becomes DTEND
// (tasks: DUE), a call's number CONTACT. Repeats of 24, 168, 744 and 8760
// hours become FREQ=DAILY, WEEKLY, MONTHLY and YEARLY, any other FREQ=HOURLY
// with that INTERVAL. Birthdays are all-day events in the birth year (else
// the note's year), FREQ=YEARLY (29 February: BYMONTH=2;BYMONTHDAY=-1); a
// reminder at 00:00 is all-day too. An alarm is a VALARM (DISPLAY) whose
// TRIGGER is the alarm's distance from the start (PT0S for notes whose alarm
// block holds their end); a silent alarm X-CORVINA-SILENT:TRUE. Times carry
// the PC's time zone (TZID and its VTIMEZONE), or float without one.
//
// Read: categories in any case, in English, German or the Siemens words;
// yearly all-day events are birthdays; VTODO is a task where the phone has
// tasks. Times in UTC or another zone are turned into the PC's, floating
// times and dates (00:00) are taken as they are. A rule of the written
// forms becomes the repeat; any other series gives one note per time in the
// next twelve months (at most 50). Series with changed single times
// (RECURRENCE-ID) are refused. Characters the phone cannot show become '?'.
#pragma once

#include <QDate>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "corvina/calendar/notefile.h"

namespace corvina {

// Series that are written out as single notes: how far ahead, how many.
constexpr int kSeriesMonths = 12;
constexpr int kSeriesNotes = 50;

// The notes as one calendar; each gets a new UID.
std::string writeIcsFile(const std::vector<CalendarNote>& notes, uint8_t modelNumber);
// One note as a calendar of its own with the given UID.
std::string writeIcsNote(const CalendarNote& note, uint8_t modelNumber, const QString& uid);

// One event or task of a file and what it gives.
struct IcsEvent {
    QString uid;
    int line = 0;  // where it begins
    QString text;  // the summary as written
    QString categories;
    std::vector<CalendarNote> notes;  // empty: refused, `how` says why
    QString how;                      // how it is taken over, or why not
};

struct IcsRead {
    std::vector<IcsEvent> events;
    QString error;     // the file is refused: place and reason
    int unmapped = 0;  // characters that became '?'
};

// Notes as the editor's OK would fill them for the model number; `today`
// begins the twelve months of an expanded series.
IcsRead readIcs(std::string_view text, uint8_t modelNumber, const QDate& today);

// A whole file for the table: all notes of all events, refused events
// and replaced characters as notices.
NoteFileRead readIcsFile(std::string_view text, uint8_t modelNumber, const QDate& today);

}  // namespace corvina
