#include "corvina/calendar/calfile.h"

#include <QByteArray>
#include <array>
#include <optional>

#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr int kShortBirthYear = 1000;
constexpr int kUnknownBirthYear = 1980;
constexpr int kTimestampLength = 12;

constexpr std::array<const char*, 5> kTypeWords = {"REMINDER", "CALL", "MEETING", "BIRTHDAY",
                                                   "WORK"};

std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

void line(std::string& out, const std::string& key, const std::string& value) {
    out += key + ":" + value + "\r\n";
}

// Twelve digits of a date and time; nothing for other text. An all-zero
// stamp gives an empty optional inside: valid text, but no time.
std::optional<std::optional<TDateTimeRec>> timestamp(const QByteArray& value) {
    if (value.size() != kTimestampLength) return std::nullopt;
    for (const char c : value) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    if (value == QByteArray(kTimestampLength, '0')) return std::optional<TDateTimeRec>{};
    const TDateTimeRec t{value.mid(0, 4).toInt(),
                         value.mid(4, 2).toInt(),
                         value.mid(6, 2).toInt(),
                         value.mid(8, 2).toInt(),
                         value.mid(10, 2).toInt(),
                         0,
                         0};
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59)
        return std::nullopt;
    return std::optional<TDateTimeRec>{t};
}

CalendarNote freshNote() {
    CalendarNote note;
    note.noStart = note.noAlarm = note.noEnd = 1;
    note.status = 2;
    return note;
}

}  // namespace

QString lineText(int line) {
    return tx("kalender2_22", "Zeile ") + QString::number(line) + QStringLiteral(": ");
}

QString byteText(qint64 byte) {
    return tx("kalender2_23", "Byte ") + QString::number(byte) + QStringLiteral(": ");
}

QString tooManyNotesText() {
    return tx("kalender2_24",
              "Die Datei hat mehr als 440 Notizen; so viele fasst der Kalender nicht.");
}

std::string writeCalFile(const std::vector<CalendarNote>& notes) {
    std::string out = "REVISION:1.0\r\n";
    for (const CalendarNote& n : notes) {
        out += "\r\n";
        line(out, "BEGIN", "ENTRY");
        if (n.noStart == 0) line(out, "TIME", timestampText(n.start));
        if (n.noAlarm == 0) line(out, "ALARM", timestampText(n.alarm));
        if (n.noEnd == 0) line(out, "TIMEEND", timestampText(n.end));
        line(out, "ACTIVESTATE", n.alarmOn ? "ACTIVE" : "DEACTIVE");
        line(out, "LOUDNESSSTATE", n.silent ? "LOUDLESS" : "LOUD");
        if (n.type == ntTask) line(out, "TODOSTATE", n.status == 1 ? "COMPLETED" : "OPEN");
        line(out, "TYPE", kTypeWords[n.type < kTypeWords.size() ? n.type : 0]);
        if (n.type == ntBirthday) {
            line(out, "BIRTHYEAR",
                 std::to_string(n.birthYear < kShortBirthYear ? kUnknownBirthYear : n.birthYear));
        }
        line(out, "DESCRIPTION", oneLine(n.text));
        if (n.type == ntCall && !n.number.empty()) line(out, "NUMBER", oneLine(n.number));
        if (n.repeat != 0) line(out, "REPEAT", std::to_string(n.repeat));
        line(out, "END", "ENTRY");
    }
    return out;
}

NoteFileRead readCalFile(std::string_view bytes) {
    NoteFileRead read;
    const QList<QByteArray> lines =
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).split('\n');
    std::optional<CalendarNote> note;
    int entryLine = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        QByteArray text = lines[i];
        if (text.endsWith('\r')) text.chop(1);
        if (text.trimmed().isEmpty()) continue;
        const qsizetype colon = text.indexOf(':');
        if (colon < 0) {
            return NoteFileRead::refused(lineText(number) +
                                         tx("kalender2_25", "Die Zeile hat keinen Schlüssel."));
        }
        const QByteArray key = text.left(colon).trimmed().toUpper();
        const QByteArray value = text.mid(colon + 1);
        const QByteArray word = value.trimmed().toUpper();
        if (!note) {
            if (key == "REVISION") continue;
            if (key == "BEGIN" && word == "ENTRY") {
                if (read.notes.size() >= kNoteTableSize)
                    return NoteFileRead::refused(lineText(number) + tooManyNotesText());
                note = freshNote();
                entryLine = number;
                continue;
            }
            return NoteFileRead::refused(
                lineText(number) + QStringLiteral("\"") + QString::fromLatin1(key) +
                tx("kalender2_27", "\" steht außerhalb eines Eintrags (BEGIN:ENTRY … END:ENTRY)."));
        }
        if (key == "BEGIN") {
            return NoteFileRead::refused(
                lineText(number) + tx("kalender2_28", "Der Eintrag ab Zeile ") +
                QString::number(entryLine) + tx("kalender2_29", " ist nicht abgeschlossen."));
        }
        if (key == "END") {
            read.notes.push_back(*note);
            note.reset();
        } else if (key == "TIME" || key == "ALARM" || key == "TIMEEND") {
            const auto stamp = timestamp(value.trimmed());
            if (!stamp) {
                return NoteFileRead::refused(lineText(number) +
                                             tx("kalender2_30", "Keine Zeitangabe JJJJMMTThhmm: ") +
                                             QString::fromLatin1(value));
            }
            if (!*stamp) continue;
            if (key == "TIME") {
                note->start = **stamp;
                note->noStart = 0;
            } else if (key == "ALARM") {
                note->alarm = **stamp;
                note->noAlarm = 0;
            } else {
                note->end = **stamp;
                note->noEnd = 0;
            }
        } else if (key == "ACTIVESTATE") {
            note->alarmOn = word == "ACTIVE" ? 1 : 0;
        } else if (key == "LOUDNESSSTATE") {
            note->silent = word == "LOUD" ? 0 : 1;
        } else if (key == "TODOSTATE") {
            note->status = word == "COMPLETED" ? 1 : 0;
        } else if (key == "TYPE") {
            note->type = ntReminder;
            for (size_t t = 0; t < kTypeWords.size(); ++t) {
                if (word == kTypeWords[t]) note->type = static_cast<uint8_t>(t);
            }
        } else if (key == "BIRTHYEAR") {
            bool ok = false;
            const int year = value.left(4).toInt(&ok);
            note->birthYear = static_cast<uint16_t>(ok && year >= 0 ? year : kUnknownBirthYear);
        } else if (key == "DESCRIPTION") {
            note->text = value.toStdString();
        } else if (key == "NUMBER") {
            note->number = value.toStdString();
        } else if (key == "REPEAT") {
            bool ok = false;
            const uint repeat = value.trimmed().toUInt(&ok);
            if (!ok || repeat > 0xFFFF) {
                return NoteFileRead::refused(lineText(number) +
                                             tx("kalender2_31", "Keine Wiederholung in Stunden: ") +
                                             QString::fromLatin1(value));
            }
            note->repeat = static_cast<uint16_t>(repeat);
        }
    }
    if (note) {
        return NoteFileRead::refused(
            lineText(entryLine) + tx("kalender2_28", "Der Eintrag ab Zeile ") +
            QString::number(entryLine) + tx("kalender2_29", " ist nicht abgeschlossen."));
    }
    return read;
}

}  // namespace corvina
