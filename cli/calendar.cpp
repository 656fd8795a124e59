// corvina-cli calendar: list, add and delete calendar notes.
//
// Siemens phones keep notes as vCalendar objects: a note has an end instead
// of an alarm time (its alarm rings at the start), may repeat and may be a
// task.
#include <QDateTime>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kUsage =
    "calendar list | calendar add reminder|call|meeting|birthday \"JJJJ-MM-TT hh:mm\" TEXT "
    "[alarm=\"JJJJ-MM-TT hh:mm\"] [number=NUMMER] [birthyear=JAHR] | calendar delete PLATZ  "
    "(Siemens: also task, [alarm] [end=\"JJJJ-MM-TT hh:mm\"] [repeat=24|168|744|8760] "
    "[done=0|1] [at=PLATZ])";

const QStringList kTypes = {"reminder", "call", "meeting", "birthday", "task"};
const char* const kTypeNames[] = {"Erinnerung", "Anruf", "Sitzung", "Geburtstag", "Aufgabe"};

std::optional<TDateTimeRec> dateTimeArgument(const QString& text) {
    const QDateTime parsed = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!parsed.isValid()) {
        printError("Datum und Uhrzeit bitte als \"JJJJ-MM-TT hh:mm\" angeben: " +
                   text.toStdString());
        return std::nullopt;
    }
    const QDate date = parsed.date();
    const QTime time = parsed.time();
    return TDateTimeRec{date.year(), date.month(), date.day(), time.hour(), time.minute(), 0, 0};
}

std::string dateTimeText(const TDateTimeRec& t) {
    return QString::asprintf("%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute)
        .toStdString();
}

// Siemens notes: start, alarm ("Alarm" or "-"), text, end, repeat in hours.
void printSiemensNote(int32_t location, const TCalendarEntry& entry) {
    const std::string type = entry.noteType <= ntTask ? cp1252(kTypeNames[entry.noteType]) : "-";
    printRecord({std::to_string(location), type, dateTimeText(entry.date),
                 entry.alarmSet ? "Alarm" : "-", entry.text,
                 entry.noEnd ? "-" : dateTimeText(entry.alarmTime),
                 entry.repeat ? std::to_string(entry.repeat) : "-"});
}

int listNotes(bool at) {
    TCalendarInfo info;
    phonelib::getcalinfo(info);
    const int count = std::min({info.used, info.maximum, static_cast<int32_t>(kCalendarLocations)});
    for (int i = 0; i < count; ++i) {
        const int32_t location = info.locations[static_cast<size_t>(i)];
        TCalendarEntry entry;
        const uint8_t status = phonelib::ReadCalendarEntry(entry, location);
        if (status == phonelib::stEmptyLocation) continue;
        if (status != phonelib::stDone)
            return failed("Notiz " + std::to_string(location) + " nicht gelesen", status);
        if (at) {
            printSiemensNote(location, entry);
            continue;
        }
        const std::string type = entry.noteType < 4 ? cp1252(kTypeNames[entry.noteType]) : "-";
        const std::string extra = entry.noteType == ntCall       ? entry.number
                                  : entry.noteType == ntBirthday ? std::to_string(entry.birthYear)
                                                                 : "";
        printRecord({std::to_string(location), type, dateTimeText(entry.date),
                     entry.alarmSet ? dateTimeText(entry.alarmTime) : "-", entry.text, extra});
    }
    return 0;
}

// The first location from 1 on that holds no note.
std::optional<int32_t> freeLocation() {
    TCalendarInfo info;
    phonelib::getcalinfo(info);
    const int count = std::min({info.used, info.maximum, static_cast<int32_t>(kCalendarLocations)});
    for (int i = 0; i < count; ++i) {
        TCalendarEntry entry;
        const int32_t location = info.locations[static_cast<size_t>(i)];
        if (phonelib::ReadCalendarEntry(entry, location) == phonelib::stEmptyLocation)
            return location;
    }
    return std::nullopt;
}

// Options of Siemens notes; false after a message when the option is wrong.
bool siemensOption(const QString& key, const QString& value, TCalendarEntry& entry) {
    if (key == "alarm") {
        entry.alarmSet = 1;  // rings at the start
    } else if (key == "end") {
        const auto end = dateTimeArgument(value);
        if (!end) return false;
        entry.alarmTime = *end;
        entry.noEnd = 0;
    } else if (key == "repeat") {
        const auto hours = numberArgument(value, "Die Wiederholung (Stunden)", 0, 8760);
        if (!hours) return false;
        entry.repeat = static_cast<uint16_t>(*hours);
    } else if (key == "done") {
        const auto done = numberArgument(value, "Erledigt", 0, 1);
        if (!done) return false;
        entry.status = static_cast<uint8_t>(*done);
    } else if (key == "at") {
        const auto location = numberArgument(value, "Der Platz", 1, 255);
        if (!location) return false;
        entry.location = *location;
    } else {
        usageError(kUsage);
        return false;
    }
    return true;
}

int addNote(const QStringList& arguments, bool at) {
    if (arguments.size() < 3) return usageError(kUsage);
    const auto type = choiceArgument(arguments[0], "die Notizart", kTypes);
    const auto date = dateTimeArgument(arguments[1]);
    if (!type || !date) return 2;
    if (*type == ntTask && !at) {
        printError("Aufgaben gibt es nur auf Siemens-Telefonen.");
        return 2;
    }
    TCalendarEntry entry;
    entry.noteType = static_cast<uint8_t>(*type);
    entry.date = *date;
    entry.text = phoneText(arguments[2]);
    if (at) {
        entry.noEnd = 1;
        entry.status = 2;
    }
    for (const QString& option : arguments.mid(3)) {
        const QString key = option.section(QLatin1Char('='), 0, 0);
        const QString value = option.section(QLatin1Char('='), 1);
        if (at && key != "number") {
            if (!siemensOption(key, value, entry)) return 2;
            continue;
        }
        if (key == "alarm") {
            const auto alarm = dateTimeArgument(value);
            if (!alarm) return 2;
            entry.alarmTime = *alarm;
            entry.alarmSet = 1;
        } else if (key == "number") {
            entry.number = phoneText(value);
        } else if (key == "birthyear") {
            const auto year = numberArgument(value, "Das Geburtsjahr", 0, 9999);
            if (!year) return 2;
            entry.birthYear = static_cast<uint16_t>(*year);
        } else {
            return usageError(kUsage);
        }
    }
    if (at && entry.noteType == ntTask && entry.status == 2) entry.status = 0;
    if (at && entry.location == 0) {
        // The phone names no free place itself: the first empty one is taken.
        const auto location = freeLocation();
        if (!location) {
            printError("Der Kalender ist voll.");
            return 1;
        }
        entry.location = *location;
    }
    const uint8_t status = phonelib::WriteCalendarEntry(entry);
    if (status != phonelib::stDone) return failed("Notiz nicht geschrieben", status);
    printRecord({"Notiz gespeichert", entry.text});
    return 0;
}

}  // namespace

int calendar(Session& session, const QStringList& arguments) {
    const QString action = arguments.value(0);
    if (action == "list" && arguments.size() == 1) return listNotes(session.speaksAt());
    if (action == "add") return addNote(arguments.mid(1), session.speaksAt());
    if (action == "delete" && arguments.size() == 2) {
        const auto location = numberArgument(arguments[1], "Der Platz", 1, 255);
        if (!location) return 2;
        const uint8_t status = phonelib::DeleteCalendarentry(*location);
        if (status != phonelib::stDone) return failed("Notiz nicht gelöscht", status);
        printRecord({cp1252("Notiz gelöscht"), std::to_string(*location)});
        return 0;
    }
    return usageError(kUsage);
}

}  // namespace cli
