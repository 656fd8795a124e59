// The note table behind the checked-in calendar files of data/: one note
// of each type, a call with a number, a silent birthday, a done task with
// an end and a weekly repeat, and a reminder whose text is longer than the
// phone's 30 characters (with a reminder text only the old record file
// keeps). data/fixed.cl2 was built from the record layout by a separate
// script, not by the program's writer.
#pragma once

#include <QFile>
#include <string>
#include <vector>

#include "corvina/calendar/calendarnote.h"

namespace corvina::testing_calendar {

inline CalendarNote makeNote(uint8_t type, const char* text, TDateTimeRec start, TDateTimeRec alarm,
                             bool alarmOn) {
    CalendarNote n;
    n.type = type;
    n.text = phoneText(QString::fromUtf8(text));
    n.start = start;
    n.alarm = alarm;
    n.alarmOn = alarmOn ? 1 : 0;
    return n;
}

inline std::vector<CalendarNote> fixedTable() {
    CalendarNote meeting = makeNote(ntMeeting, "Projekt", {2024, 6, 12, 14, 30, 0, 0},
                                    {2024, 6, 12, 14, 15, 0, 0}, true);
    CalendarNote call =
        makeNote(ntCall, "Anruf Anna", {2024, 7, 1, 8, 15, 0, 0}, {2024, 7, 1, 8, 0, 0, 0}, false);
    call.number = "0123";
    CalendarNote birthday =
        makeNote(ntBirthday, "Anna", {1978, 5, 4, 0, 0, 0, 0}, {2024, 5, 4, 9, 0, 0, 0}, true);
    birthday.birthYear = 1978;
    birthday.silent = 1;
    CalendarNote task = makeNote(ntTask, "Steuererklärung", {2024, 3, 10, 10, 0, 0, 0},
                                 {2024, 3, 10, 11, 0, 0, 0}, true);
    task.end = task.alarm;
    task.noEnd = 0;
    task.status = 1;
    task.repeat = kRepeatWeekly;
    CalendarNote reminder = makeNote(ntReminder, "Zahnarzt Dr. Müller, Praxis am Ring 12",
                                     {2024, 9, 2, 7, 45, 0, 0}, {2024, 9, 2, 7, 30, 0, 0}, true);
    reminder.repeat = 36;
    reminder.reminderText = "202409020730";
    return {meeting, call, birthday, task, reminder};
}

inline std::string dataFile(const char* name) {
    QFile file(QStringLiteral(CORVINA_SOURCE_DIR "/tests/corvina/calendar/data/") +
               QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

}  // namespace corvina::testing_calendar
