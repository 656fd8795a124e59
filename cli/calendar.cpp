// corvina-cli calendar: list, add and delete calendar notes; export the
// phone's calendar to a file or calendar folder, import one into it.
//
// Siemens phones keep notes as vCalendar objects: a note has an end instead
// of an alarm time (its alarm rings at the start), may repeat and may be a
// task.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "codecs/tools/cp1252.h"
#include "codecs/tools/filebytes.h"
#include "corvina/calendar/calendarfolder.h"
#include "corvina/calendar/calendarupload.h"
#include "corvina/calendar/calfile.h"
#include "corvina/calendar/cl2file.h"
#include "corvina/connection/modelnumbers.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kUsage =
    "calendar list | calendar add reminder|call|meeting|birthday \"JJJJ-MM-TT hh:mm\" TEXT "
    "[alarm=\"JJJJ-MM-TT hh:mm\"] [number=NUMMER] [birthyear=JAHR] | calendar delete PLATZ | "
    "calendar export|import DATEI.cal|DATEI.cl2|DATEI.ics|ORDNER  "
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
    std::optional<int32_t> lastDone;
    for (int i = 0; i < count; ++i) {
        const int32_t location = info.locations[static_cast<size_t>(i)];
        TCalendarEntry entry;
        const uint8_t status = phonelib::ReadCalendarEntry(entry, location);
        if (status == phonelib::stNotConnected) return linkLost(lastDone, location);
        lastDone = location;
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

constexpr long long kFileLimit = 16 * 1024 * 1024;

// A line for printRecord from UTF-8 text.
std::string text(const std::string& utf8) {
    return tools::toCp1252(QString::fromStdString(utf8));
}

enum class FileKind { Cal, Cl2, Ics, Folder, Unknown };

FileKind kindOf(const QString& path) {
    if (QFileInfo(path).isDir() || path.endsWith(QLatin1Char('/'))) return FileKind::Folder;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "cal") return FileKind::Cal;
    if (suffix == "cl2") return FileKind::Cl2;
    if (suffix == "ics") return FileKind::Ics;
    return FileKind::Unknown;
}

uint8_t guiModel() {
    return corvina::modelNumberOf(phonelib::GetModelCode()).number;
}

// Reads the whole calendar; prints why when it did not go through.
std::optional<corvina::CalendarDownload> downloadAll() {
    corvina::CalendarDownload download(corvina::CalendarCalls::library(), guiModel(),
                                       QDate::currentDate().year());
    while (!corvina::transferOver(download.step())) {
        if (download.total() > 0)
            printProgress(QString("Notiz %1 / %2")
                              .arg(download.position())
                              .arg(download.total())
                              .toStdString());
    }
    if (download.state() != corvina::TransferState::Done) {
        printError(download.summary().toStdString());
        return std::nullopt;
    }
    return download;
}

int exportNotes(const QString& path) {
    const FileKind kind = kindOf(path);
    if (kind == FileKind::Unknown) return usageError(kUsage);
    const auto download = downloadAll();
    if (!download) return 1;
    const auto& notes = download->table().notes();
    if (kind == FileKind::Folder) {
        const corvina::FolderExport result =
            corvina::exportToFolder(path, notes, guiModel(), QDate::currentDate());
        printRecord({tools::toCp1252(corvina::exportSummary(result))});
        return result.failed.isEmpty() ? 0 : 1;
    }
    int cut = 0;
    const std::string bytes = kind == FileKind::Cl2   ? corvina::writeCl2File(notes, cut)
                              : kind == FileKind::Ics ? corvina::writeIcsFile(notes, guiModel())
                                                      : corvina::writeCalFile(notes);
    if (!tools::writefileatomically(QFile::encodeName(path).toStdString(), bytes)) {
        printError("Die Datei " + path.toStdString() + " lässt sich nicht schreiben.");
        return 1;
    }
    printRecord({std::to_string(notes.size()) + " Notizen geschrieben", tools::toCp1252(path)});
    if (cut > 0) {
        printRecord(
            {text(std::to_string(cut) +
                  " Notizen mit Text oder Nummer über 30 Zeichen: in der .cl2-Datei gekürzt")});
    }
    return 0;
}

// The notes of a file or folder; prints why when it is refused.
std::optional<std::vector<corvina::CalendarNote>> readNotes(const QString& path,
                                                            QStringList& notices) {
    const FileKind kind = kindOf(path);
    if (kind == FileKind::Folder) {
        const corvina::FolderListing listing =
            corvina::readCalendarFolder(path, guiModel(), QDate::currentDate());
        std::vector<corvina::CalendarNote> notes;
        for (const corvina::FolderEntry& entry : listing.entries) {
            if (!entry.problem.isEmpty()) {
                notices << entry.file + ": " + entry.problem;
            } else if (entry.event.notes.empty()) {
                notices << entry.file + ": " + entry.event.text + " – " + entry.event.how;
            }
            notes.insert(notes.end(), entry.event.notes.begin(), entry.event.notes.end());
        }
        if (listing.unmapped > 0) {
            notices << QString::number(listing.unmapped) +
                           " Zeichen, die das Telefon nicht darstellen kann, wurden durch \"?\" "
                           "ersetzt.";
        }
        return notes;
    }
    const auto bytes = tools::readfilebytes(QFile::encodeName(path).toStdString(), kFileLimit);
    if (!bytes) {
        printError("Die Datei " + path.toStdString() +
                   " lässt sich nicht lesen (oder ist größer als 16 MB).");
        return std::nullopt;
    }
    const corvina::NoteFileRead read =
        kind == FileKind::Cl2   ? corvina::readCl2File(*bytes)
        : kind == FileKind::Ics ? corvina::readIcsFile(*bytes, guiModel(), QDate::currentDate())
                                : corvina::readCalFile(*bytes);
    if (!read.ok()) {
        printError(path.toStdString() + ": " + read.error.toStdString());
        return std::nullopt;
    }
    notices << read.notices;
    return read.notes;
}

int importNotes(const QString& path) {
    if (kindOf(path) == FileKind::Unknown) return usageError(kUsage);
    QStringList notices;
    const auto notes = readNotes(path, notices);
    if (!notes) return 1;
    const auto download = downloadAll();
    if (!download) return 1;
    // What the phone holds decides what is new and how much still fits.
    corvina::NoteTable phone = download->table();
    const int held = phone.count();
    const corvina::TakeOverCount count = corvina::takeOver(
        phone, *notes, std::min<int>(download->maximum(), corvina::kNoteTableSize));
    const std::vector<corvina::CalendarNote> fresh(phone.notes().begin() + held,
                                                   phone.notes().end());
    corvina::CalendarUpload upload(corvina::CalendarCalls::library(), guiModel(), fresh,
                                   corvina::CalendarUpload::Mode::Append,
                                   download->usedLocations());
    while (!corvina::transferOver(upload.step()))
        printProgress(("Schreibe " + upload.progressText()).toStdString());
    printRecord({text(std::to_string(upload.written()) + " Notizen geschrieben")});
    if (count.duplicates > 0)
        printRecord({text(std::to_string(count.duplicates) + " übersprungen: schon im Telefon")});
    if (!count.left.empty()) {
        QStringList names;
        for (const auto& note : count.left) names << corvina::noteText(note.text);
        printRecord(
            {text(std::to_string(count.left.size()) + " übersprungen: das Telefon ist voll (" +
                  names.join(", ").toStdString() + ")")});
    }
    for (const QString& notice : notices) printRecord({text(notice.toStdString())});
    if (upload.state() != corvina::TransferState::Done) {
        printError(upload.summary().toStdString());
        return 1;
    }
    return 0;
}

}  // namespace

int calendar(Session& session, const QStringList& arguments) {
    const QString action = arguments.value(0);
    if (action == "list" && arguments.size() == 1) return listNotes(session.speaksAt());
    if (action == "add") return addNote(arguments.mid(1), session.speaksAt());
    if (action == "export" && arguments.size() == 2) return exportNotes(arguments[1]);
    if (action == "import" && arguments.size() == 2) return importNotes(arguments[1]);
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
