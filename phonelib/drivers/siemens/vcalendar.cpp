#include "phonelib/drivers/siemens/vcalendar.h"

#include <QString>

#include "phonelib/drivers/siemens/answers.h"
#include "phonelib/drivers/siemens/vobjectlines.h"

namespace phonelib::siemens {

namespace {

// YYYYMMDDThhmm00: the seconds are always written as 00.
std::string timeText(const TDateTimeRec& t) {
    std::string text =
        std::to_string(t.year) +
        QString::asprintf("%02d%02d%02d%02d00", t.month, t.day, t.hour, t.minute).toStdString();
    text.insert(std::min<size_t>(8, text.size()), "T");
    return text;
}

int digitsAt(std::string_view value, size_t from, size_t count) {
    if (from >= value.size()) return 0;
    const std::string_view digits = value.substr(from, count);
    if (digits.find_first_not_of("0123456789") != std::string_view::npos) return 0;
    return numberAt(digits, 0).value_or(0);
}

TDateTimeRec timeOf(std::string_view value) {
    TDateTimeRec t;
    t.year = digitsAt(value, 0, 4);
    t.month = digitsAt(value, 4, 2);
    t.day = digitsAt(value, 6, 2);
    t.hour = digitsAt(value, 9, 2);
    t.minute = digitsAt(value, 11, 2);
    t.second = digitsAt(value, 13, 2);
    return t;
}

const char* categoryOf(uint8_t noteType) {
    switch (noteType) {
        case ntBirthday:
            return "ANNIVERSARY";
        case ntMeeting:
            return "MEETING";
        case ntCall:
            return "PHONE CALL";
        default:
            return "MISCELLANEOUS";
    }
}

const char* ruleOf(uint16_t repeatHours) {
    switch (repeatHours) {
        case 24:
            return "D1";
        case 168:
            return "D7";
        case 744:
            return "MD";
        case 8760:
            return "Y1";
        default:
            return nullptr;
    }
}

uint16_t repeatOf(std::string_view rule) {
    const std::string_view code = rule.substr(0, 2);
    if (code == "D1") return 24;
    if (code == "D7" || code == "W1") return 168;
    if (code == "MD") return 744;
    if (code == "Y1") return 8760;
    return 0;
}

}  // namespace

std::string writevcal(const TCalendarEntry& note) {
    const bool task = note.noteType == ntTask;
    VObjectWriter calendar;
    calendar.line("BEGIN:VCALENDAR");
    calendar.line("VERSION:1.0");
    calendar.line(task ? "BEGIN:VTODO" : "BEGIN:VEVENT");
    calendar.line(std::string("CATEGORIES:") + categoryOf(note.noteType));
    calendar.line("DTSTART:" + timeText(note.date));
    if (note.alarmSet) calendar.line("AALARM:" + timeText(note.date));
    if (note.noEnd == 0) calendar.line("DTEND:" + timeText(note.alarmTime));
    if (task && note.status == 1) calendar.line("STATUS:COMPLETED");
    if (task && note.status == 0) calendar.line("STATUS:NEEDS ACTION");
    if (const char* rule = ruleOf(note.repeat)) calendar.line(std::string("RRULE:") + rule);
    calendar.line("DESCRIPTION:" + note.text);
    calendar.line(task ? "END:VTODO" : "END:VEVENT");
    calendar.line("END:VCALENDAR");
    return calendar.text();
}

TCalendarEntry parsevcal(std::string_view text) {
    TCalendarEntry note;
    note.status = 2;
    note.noStart = 1;
    bool todo = false;
    for (const auto& [key, value] : keyedLines(text)) {
        if (key == "BEGIN" && value == "VTODO") {
            todo = true;
        } else if (key == "CATEGORIES") {
            note.noteType = value == "ANNIVERSARY"  ? ntBirthday
                            : value == "MEETING"    ? ntMeeting
                            : value == "PHONE CALL" ? ntCall
                                                    : ntReminder;
        } else if (key == "DTSTART") {
            note.date = timeOf(value);
            note.alarmTime = note.date;
            note.noStart = 0;
        } else if (key == "DTEND") {
            note.alarmTime = timeOf(value);
            note.noEnd = 0;
        } else if (key == "DALARM") {
            note.alarmSet = 1;
        } else if (key == "STATUS") {
            if (note.noteType == ntReminder) note.noteType = ntTask;
            note.status = value == "NEEDS ACTION" ? 0 : value == "COMPLETED" ? 1 : 2;
        } else if (key == "RRULE") {
            note.repeat = repeatOf(value);
        } else if (key == "DESCRIPTION") {
            note.text = value;
        }
    }
    // A task without a status line is still a task.
    if (todo && note.noteType == ntReminder) note.noteType = ntTask;
    return note;
}

}  // namespace phonelib::siemens
