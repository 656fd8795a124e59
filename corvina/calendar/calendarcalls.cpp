#include "corvina/calendar/calendarcalls.h"

#include <algorithm>

#include "corvina/connection/modelnumbers.h"
#include "phonelib/api/phonelib.h"

namespace corvina {

namespace {

// The 7110 family keeps birthdays in the year 2000.
constexpr int k7110BirthdayYear = 2000;

}  // namespace

CalendarCalls CalendarCalls::library() {
    return {&phonelib::getcalinfo, &phonelib::ReadCalendarEntry, &phonelib::WriteCalendarEntry,
            &phonelib::DeleteCalendarentry};
}

CalendarNote noteFromEntry(const TCalendarEntry& entry, uint8_t modelNumber, int shownYear) {
    CalendarNote note;
    note.text = entry.text;
    note.type = entry.noteType;
    note.repeat = entry.repeat;
    note.status = entry.status;
    note.alarmOn = entry.alarmSet ? 1 : 0;
    note.silent = entry.silent ? 1 : 0;
    note.noStart = entry.noStart;
    note.noAlarm = entry.noAlarm;
    note.start = entry.date;
    note.alarm = entry.alarmTime;
    if (isSiemensWithAddressBook(modelNumber)) {
        note.end = entry.alarmTime;
        note.noEnd = entry.noEnd ? 1 : 0;
    } else {
        note.noEnd = 1;
    }
    if (note.type == ntCall) note.number = entry.number;
    if (note.type == ntBirthday) {
        note.birthYear = entry.birthYear;
        if (isNokia7110Family(modelNumber)) note.alarm.year += shownYear - k7110BirthdayYear;
    }
    return note;
}

TCalendarEntry entryFromNote(const CalendarNote& note, int32_t location) {
    TCalendarEntry entry;
    entry.location = location;
    entry.text = note.text;
    entry.noteType = note.type;
    entry.repeat = note.repeat;
    if (note.type == ntCall) entry.number = note.number;
    entry.alarmTime = note.alarm;
    entry.date = note.start;
    entry.alarmSet = note.alarmOn;
    entry.silent = note.silent;
    entry.status = note.status;
    if (note.type == ntBirthday) entry.birthYear = note.birthYear;
    return entry;
}

int listedNotes(const TCalendarInfo& info) {
    return std::clamp(std::min(info.used, info.maximum), 0, kCalendarLocations);
}

}  // namespace corvina
