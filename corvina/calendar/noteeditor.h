// The rules of the note editor without its widgets: which fields a note of
// the connected phone family shows, what the fields hold when the editor
// opens, the silent date correction, and what OK stores.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>
#include <vector>

#include "corvina/calendar/calendarnote.h"

namespace corvina {

struct EditorLayout {
    bool startTime = true;
    bool number = false;
    bool birthYear = false;
    bool secondGroup = false;  // alarm date and time, or the end
    bool secondGroupIsEnd = false;
    bool repeat = false;
    bool alarmBox = true;
    bool silent = false;
    bool done = false;  // "Erledigt"
    bool typeFixed = false;
    // Nokia phones grey out the alarm's date and time while the alarm is off.
    bool alarmFollowsBox = false;
};

EditorLayout editorLayout(uint8_t modelNumber, uint8_t type);
// The type box: index = note type.
QStringList typeChoices(uint8_t modelNumber);

struct RepeatChoices {
    QStringList texts;
    std::vector<uint16_t> values;
    int selected = 0;
};
// The five intervals, and a sixth for any other stored value.
RepeatChoices repeatChoices(uint16_t current);

struct EditorValues {
    QString text;
    uint8_t type = ntReminder;
    QDate startDate;
    QTime startTime;
    QString number;
    int birthYear = 0;
    QDate alarmDate;
    QTime alarmTime;
    bool alarmPickers = true;  // false: greyed out, showing the start at 10:00
    uint16_t repeat = 0;
    bool alarmOn = false;
    bool done = false;
    bool silent = false;
};

EditorValues newNoteValues(uint8_t modelNumber, const QDate& selectedDay);
// A birthday shows the day in the shown year, and its alarm moves along.
EditorValues noteValues(uint8_t modelNumber, const CalendarNote& note, int shownYear);

// Keeps an active alarm from ringing after the note (Nokia) and the end
// from lying before the start (Siemens with an end). True when it changed
// a field.
bool correctDates(uint8_t modelNumber, EditorValues& values);

enum class EditorVerdict { Stored, EmptyText, BadBirthYear, Corrected };

// OK: checks and, when all is well, fills `note`. `original` is the note
// being changed (nothing in new mode); fields the editor does not show keep
// its values.
EditorVerdict acceptNote(uint8_t modelNumber, EditorValues& values,
                         const std::optional<CalendarNote>& original, CalendarNote& note);

// The message of a refusal.
QString verdictText(uint8_t modelNumber, EditorVerdict verdict);

}  // namespace corvina
