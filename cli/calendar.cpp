// corvina-cli calendar: list, add and delete calendar notes. Phones of the
// 7110 family name the location for a new note; the note is written there.
#include <QDateTime>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/models.h"
#include "cli/output.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kUsage =
    "calendar list | calendar add reminder|call|meeting|birthday \"JJJJ-MM-TT hh:mm\" TEXT "
    "[alarm=\"JJJJ-MM-TT hh:mm\"] [number=NUMMER] [birthyear=JAHR] | calendar delete PLATZ";

const QStringList kTypes = {"reminder", "call", "meeting", "birthday"};
const char* const kTypeNames[] = {"Erinnerung", "Anruf", "Sitzung", "Geburtstag"};

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

int listNotes() {
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
        const std::string type = entry.noteType < 4 ? cp1252(kTypeNames[entry.noteType]) : "-";
        const std::string extra = entry.noteType == ntCall       ? entry.number
                                  : entry.noteType == ntBirthday ? std::to_string(entry.birthYear)
                                                                 : "";
        printRecord({std::to_string(location), type, dateTimeText(entry.date),
                     entry.alarmSet ? dateTimeText(entry.alarmTime) : "-", entry.text, extra});
    }
    return 0;
}

int addNote(const QStringList& arguments) {
    if (arguments.size() < 3) return usageError(kUsage);
    const auto type = choiceArgument(arguments[0], "die Notizart", kTypes);
    const auto date = dateTimeArgument(arguments[1]);
    if (!type || !date) return 2;
    TCalendarEntry entry;
    entry.noteType = static_cast<uint8_t>(*type);
    entry.date = *date;
    entry.text = phoneText(arguments[2]);
    for (const QString& option : arguments.mid(3)) {
        const QString key = option.section(QLatin1Char('='), 0, 0);
        const QString value = option.section(QLatin1Char('='), 1);
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
    if (foldersAndNotesOf7110()) {
        TCalendarInfo info;
        const uint8_t asked = phonelib::getcalinfo(info);
        if (asked != phonelib::stDone) {
            return failed("Das Telefon nennt keinen Platz für die Notiz", asked);
        }
        if (info.nextLocation <= 0) {
            printError("Der Kalender des Telefons ist voll.");
            return 1;
        }
        entry.location = info.nextLocation;
    }
    const uint8_t status = phonelib::WriteCalendarEntry(entry);
    if (status != phonelib::stDone) return failed("Notiz nicht geschrieben", status);
    printRecord({"Notiz gespeichert", entry.text});
    return 0;
}

}  // namespace

int calendar(Session&, const QStringList& arguments) {
    const QString action = arguments.value(0);
    if (action == "list" && arguments.size() == 1) return listNotes();
    if (action == "add") return addNote(arguments.mid(1));
    if (action == "delete" && arguments.size() == 2) {
        const auto location =
            numberArgument(arguments[1], "Der Platz", 1, highestLocation(foldersAndNotesOf7110()));
        if (!location) return 2;
        const uint8_t status = phonelib::DeleteCalendarentry(*location);
        if (status != phonelib::stDone) return failed("Notiz nicht gelöscht", status);
        printRecord({cp1252("Notiz gelöscht"), std::to_string(*location)});
        return 0;
    }
    return usageError(kUsage);
}

}  // namespace cli
