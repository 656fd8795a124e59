#include "corvina/calendar/cl2file.h"

#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr size_t kText = 0;
constexpr size_t kReminder = 31;
constexpr size_t kStart = 96;
constexpr size_t kAlarm = 124;
constexpr size_t kEnd = 152;
constexpr size_t kNoEnd = 180;
constexpr size_t kNoStart = 181;
constexpr size_t kNoAlarm = 182;
constexpr size_t kType = 183;
constexpr size_t kAlarmOn = 188;
constexpr size_t kBirthYear = 190;
constexpr size_t kSilent = 192;
constexpr size_t kStatus = 193;
constexpr size_t kNumber = 194;
constexpr size_t kRepeat = 226;
constexpr uint8_t kLastType = ntTask;

void putWord(std::string& record, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) record[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t word(std::string_view record, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(record[at + i])) << (8 * i);
    return value;
}

bool putShortString(std::string& record, size_t at, const std::string& text) {
    const size_t length = std::min<size_t>(text.size(), kNoteTextLength);
    record[at] = static_cast<char>(length);
    record.replace(at + 1, length, text, 0, length);
    return length == text.size();
}

void putBlock(std::string& record, size_t at, const TDateTimeRec& t) {
    const int32_t values[] = {t.year, t.month, t.day, t.hour, t.minute, t.second, t.reserved};
    for (size_t i = 0; i < 7; ++i) putWord(record, at + 4 * i, static_cast<uint32_t>(values[i]), 4);
}

TDateTimeRec block(std::string_view record, size_t at) {
    int32_t v[7];
    for (size_t i = 0; i < 7; ++i) v[i] = static_cast<int32_t>(word(record, at + 4 * i, 4));
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
}

}  // namespace

std::string writeCl2File(const std::vector<CalendarNote>& notes, int& cut) {
    cut = 0;
    std::string out;
    for (const CalendarNote& n : notes) {
        std::string record(kCl2RecordSize, '\0');
        bool whole = putShortString(record, kText, n.text);
        putShortString(record, kReminder, n.reminderText);
        putBlock(record, kStart, n.start);
        putBlock(record, kAlarm, n.alarm);
        putBlock(record, kEnd, n.end);
        record[kNoEnd] = static_cast<char>(n.noEnd);
        record[kNoStart] = static_cast<char>(n.noStart);
        record[kNoAlarm] = static_cast<char>(n.noAlarm);
        record[kType] = static_cast<char>(n.type);
        record[kAlarmOn] = static_cast<char>(n.alarmOn);
        putWord(record, kBirthYear, n.birthYear, 2);
        record[kSilent] = static_cast<char>(n.silent);
        record[kStatus] = static_cast<char>(n.status);
        whole = putShortString(record, kNumber, n.number) && whole;
        putWord(record, kRepeat, n.repeat, 2);
        if (!whole) ++cut;
        out += record;
    }
    return out;
}

NoteFileRead readCl2File(std::string_view bytes) {
    if (bytes.size() % kCl2RecordSize != 0) {
        return NoteFileRead::refused(
            byteText(static_cast<qint64>(bytes.size() - bytes.size() % kCl2RecordSize)) +
            tx("kalender2_32", "Die Datei endet mitten in einem Eintrag (je Eintrag 228 Bytes)."));
    }
    if (bytes.size() / kCl2RecordSize > kNoteTableSize)
        return NoteFileRead::refused(byteText(kNoteTableSize * kCl2RecordSize) +
                                     tooManyNotesText());
    NoteFileRead read;
    for (size_t at = 0; at < bytes.size(); at += kCl2RecordSize) {
        const std::string_view record = bytes.substr(at, kCl2RecordSize);
        for (const size_t field : {kText, kReminder, kNumber}) {
            if (static_cast<uint8_t>(record[field]) > kNoteTextLength) {
                return NoteFileRead::refused(byteText(static_cast<qint64>(at + field)) +
                                             tx("kalender2_33", "Längenbyte über 30: ") +
                                             QString::number(static_cast<uint8_t>(record[field])));
            }
        }
        if (static_cast<uint8_t>(record[kType]) > kLastType) {
            return NoteFileRead::refused(byteText(static_cast<qint64>(at + kType)) +
                                         tx("kalender2_34", "Unbekannte Notizart: ") +
                                         QString::number(static_cast<uint8_t>(record[kType])));
        }
        const auto shortString = [&](size_t field) {
            return std::string(record.substr(field + 1, static_cast<uint8_t>(record[field])));
        };
        CalendarNote n;
        n.text = shortString(kText);
        n.reminderText = shortString(kReminder);
        n.start = block(record, kStart);
        n.alarm = block(record, kAlarm);
        n.end = block(record, kEnd);
        n.noEnd = 1;
        n.noStart = 0;
        n.noAlarm = 0;
        n.type = static_cast<uint8_t>(record[kType]);
        n.alarmOn = static_cast<uint8_t>(record[kAlarmOn]);
        n.birthYear = static_cast<uint16_t>(word(record, kBirthYear, 2));
        n.silent = static_cast<uint8_t>(record[kSilent]);
        n.status = 2;
        n.number = shortString(kNumber);
        n.repeat = static_cast<uint16_t>(word(record, kRepeat, 2));
        read.notes.push_back(std::move(n));
    }
    return read;
}

}  // namespace corvina
