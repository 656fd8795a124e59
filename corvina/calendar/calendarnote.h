// One note of the calendar window's note table, and the small rules every
// part of the calendar shares: timestamp texts, the families' note shapes,
// the dates a note is shown on.
//
// Texts are Windows-1252 bytes, as the phone and the calendar files keep
// them, and they are kept whole: only the old record file cuts them to its
// 30 characters.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <string>

#include "records/typendefinitionen.h"

namespace corvina {

// Notes the table holds.
constexpr int kNoteTableSize = 440;
// Characters the phone keeps of a note's text and number.
constexpr int kNoteTextLength = 30;

// Repeat intervals the editor offers, in hours.
constexpr uint16_t kRepeatDaily = 24;
constexpr uint16_t kRepeatWeekly = 168;
constexpr uint16_t kRepeatMonthly = 744;
constexpr uint16_t kRepeatYearly = 8760;

bool operator==(const TDateTimeRec& a, const TDateTimeRec& b);

struct CalendarNote {
    std::string text;
    std::string reminderText;  // written only by the take-over, read by nothing
    TDateTimeRec start;
    TDateTimeRec alarm;  // Siemens with an end (4 to 8, and 24): the end
    TDateTimeRec end;
    uint8_t noEnd = 1;
    uint8_t noStart = 0;
    uint8_t noAlarm = 0;
    uint8_t type = ntReminder;
    uint8_t alarmOn = 0;  // Siemens with an end: the end is active
    uint16_t birthYear = 0;
    uint8_t silent = 0;
    uint8_t status = 2;  // tasks: 0 open, 1 done; 2 none
    std::string number;
    uint16_t repeat = 0;

    bool operator==(const CalendarNote&) const = default;
};

// Model numbers whose notes keep an end in the alarm block: Siemens 4 to 8,
// and 24 (no phone identified yet), which the editor treats alike.
bool keepsEndInAlarm(uint8_t modelNumber);
// Model numbers whose notes may be tasks (type 4): Siemens 6 to 8, and 24.
bool hasTasks(uint8_t modelNumber);

// YYYYMMDDhhmm: the year padded to four digits, the rest to two.
std::string timestampText(const TDateTimeRec& t);
TDateTimeRec dateTimeRec(const QDate& date, int hour, int minute);
QDate dateOf(const TDateTimeRec& t);  // invalid for an impossible date

// The day a note falls on in the month calendar showing `shownYear`:
// birthdays take that year, and a 29 February birthday falls on
// 28 February in the other years. Invalid when the start is not a date.
QDate shownDate(const CalendarNote& note, int shownYear);
// Whether the note is on the day: its own day, or a day its repeat (or,
// for birthdays, the year) brings it back on, never before its start.
bool fallsOn(const CalendarNote& note, const QDate& day);

// "Erinnerung", "Anruf", "Meeting", "Geburtstag", "Aufgabe".
QString noteTypeName(uint8_t type);

// Duplicates: same type, same start to the minute (birthdays: month and
// day) and the same text without surrounding blanks.
bool sameNote(const CalendarNote& a, const CalendarNote& b);

QString noteText(const std::string& bytes);  // Windows-1252 to Unicode
std::string phoneText(const QString& text);  // characters outside it become '?'
// The same, counting the characters that became '?'.
std::string phoneText(const QString& text, int& unmapped);

}  // namespace corvina
