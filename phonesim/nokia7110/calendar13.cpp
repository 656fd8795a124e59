// Type 0x13, the calendar of the 7110 family: typed notes at 16-bit
// locations, texts as 16-bit characters (t and p count characters). Type
// codes: 08 memo (kept as type 1), 02 call (2), 01 meeting (3), 04 birthday
// (4). Answers repeat 00 01 00 and a sub-code.
//
//   3A FF FE      used locations → 3B, count (2), 00 00, the locations (2 each)
//   31            next location  → 32, the first free location at 4-5 (the
//                                  field where this phone names it; 0 when
//                                  the calendar is full)
//   19 L_hi L_lo  read → 1A 01 00 C 00 year(2) month day, then by code C:
//                   08  note word(2), t, 27, text
//                   02  hour, minute, lead(2), note word(2), t, p, text, number
//                   01  hour, minute, lead(2), note word(2), t, 27, text
//                   04  00 00, lead(4), birth year(2), silent, t, text
//                 → 1A 93 when the location holds no note
//   S L_hi L_lo C 00 year(2) month day ...   write, S = 07 memo, 03 call,
//                   01 meeting, 05 birthday; the fields as in the read
//                   answer except for birthdays: 00 00, lead(4), silent, t,
//                   text (the year is the birth year)
//                 → S + 1 L_hi L_lo; 65 81 no such location, 65 73 a date
//                   that does not exist, 65 7D a type that does not match
//   0B L_hi L_lo  delete → 0C L_hi L_lo; 69 93 no note there
//
// Leads: minutes before the note (meetings, calls), seconds before 23:59:58
// of the birthday (birthdays); FF FF (00 00 FF FF) means no alarm. A
// birthday's date keeps the year of birth; its alarm lies in that year.
#include <QDateTime>
#include <algorithm>

#include "phonesim/nokia7110/requests.h"

namespace phonesim::nokia7110 {

namespace {

constexpr uint8_t kMemo = 0x08;
constexpr uint8_t kCall = 0x02;
constexpr uint8_t kMeeting = 0x01;
constexpr uint8_t kBirthday = 0x04;
constexpr uint8_t kAfterLength = 0x27;
constexpr int kNoLead = 0xFFFF;

struct Kind {
    uint8_t write;
    uint8_t code;
    int type;  // the fixture's note type
};

constexpr Kind kKinds[] = {
    {0x07, kMemo, 1}, {0x03, kCall, 2}, {0x01, kMeeting, 3}, {0x05, kBirthday, 4}};

const Kind* kindOfWrite(uint8_t write) {
    for (const auto& kind : kKinds) {
        if (kind.write == write) return &kind;
    }
    return nullptr;
}

const Kind* kindOfType(int type) {
    for (const auto& kind : kKinds) {
        if (kind.type == type) return &kind;
    }
    return nullptr;
}

QDateTime toQt(const DateTime& t) {
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

DateTime fromQt(const QDateTime& t) {
    return {t.date().year(), t.date().month(),  t.date().day(),
            t.time().hour(), t.time().minute(), t.time().second()};
}

QDateTime birthdayRings(const DateTime& date) {
    return QDateTime(QDate(date.year, date.month, date.day), QTime(23, 59, 58));
}

void answer(Phone& phone, std::vector<uint8_t> body) {
    body.insert(body.begin(), {0x00, 0x01, 0x00});
    phone.answer({0x13, std::move(body)});
}

void putWord(std::vector<uint8_t>& body, int value) {
    body.insert(body.end(), {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
}

void putText(std::vector<uint8_t>& body, const QString& text) {
    const auto characters = wide(text);
    body.insert(body.end(), characters.begin(), characters.end());
}

// The lead of a note's alarm as this phone counts it; nothing without one.
std::optional<int64_t> leadOf(const CalendarNote& note) {
    if (note.alarm.year == 0) return std::nullopt;
    const QDateTime alarm = toQt(note.alarm);
    if (note.type == 4) {
        const qint64 seconds = alarm.secsTo(birthdayRings(note.date));
        return seconds >= 0 ? std::optional<int64_t>(seconds) : std::nullopt;
    }
    const qint64 minutes = alarm.secsTo(toQt(note.date)) / 60;
    return minutes >= 0 && minutes < kNoLead ? std::optional<int64_t>(minutes) : std::nullopt;
}

std::vector<uint8_t> noteAnswer(const CalendarNote& note) {
    const Kind* kind = kindOfType(note.type);
    std::vector<uint8_t> body = {0x1A, 0x01, 0x00, kind->code, 0x00};
    putWord(body, note.date.year);
    body.insert(body.end(),
                {static_cast<uint8_t>(note.date.month), static_cast<uint8_t>(note.date.day)});
    const auto text = static_cast<uint8_t>(note.text.size());
    const auto lead = leadOf(note);
    switch (kind->code) {
        case kMemo:
            putWord(body, note.noteWord);
            body.insert(body.end(), {text, kAfterLength});
            putText(body, note.text);
            break;
        case kBirthday: {
            const int64_t seconds = lead.value_or(kNoLead);
            body.insert(body.end(), {0x00, 0x00});
            putWord(body, static_cast<int>(seconds >> 16));
            putWord(body, static_cast<int>(seconds & 0xFFFF));
            putWord(body, note.date.year);
            body.insert(body.end(), {static_cast<uint8_t>(note.silent ? 0x01 : 0x00), text});
            putText(body, note.text);
            break;
        }
        default:
            body.insert(body.end(), {static_cast<uint8_t>(note.date.hour),
                                     static_cast<uint8_t>(note.date.minute)});
            putWord(body, static_cast<int>(lead.value_or(kNoLead)));
            putWord(body, note.noteWord);
            body.insert(body.end(),
                        {text, kind->code == kCall ? static_cast<uint8_t>(note.number.size())
                                                   : kAfterLength});
            putText(body, note.text);
            if (kind->code == kCall) putText(body, note.number);
            break;
    }
    return body;
}

// The note of a write; nothing (with the refusal code) when it is not one.
std::optional<CalendarNote> noteOfWrite(std::span<const uint8_t> body, uint8_t& refusal) {
    refusal = 0x7D;
    const Kind* kind = body.size() >= 14 ? kindOfWrite(body[3]) : nullptr;
    if (!kind || body[6] != kind->code) return std::nullopt;
    CalendarNote note;
    note.type = kind->type;
    note.date = {wordAt(body, 8), body[10], body[11], 0, 0, 0};
    size_t textAt = 0;
    size_t characters = 0;
    switch (kind->code) {
        case kMemo:
            note.noteWord = wordAt(body, 12);
            characters = body[14];
            textAt = 16;
            break;
        case kBirthday: {
            if (body.size() < 20) return std::nullopt;
            const int64_t lead = int64_t{wordAt(body, 14)} << 16 | wordAt(body, 16);
            if (wordAt(body, 16) != kNoLead) {
                note.alarm = fromQt(birthdayRings(note.date).addSecs(-lead));
            }
            note.silent = body[18] != 0;
            characters = body[19];
            textAt = 20;
            break;
        }
        default: {
            if (body.size() < 20) return std::nullopt;
            note.date.hour = body[12];
            note.date.minute = body[13];
            const int lead = wordAt(body, 14);
            if (lead != kNoLead) note.alarm = fromQt(toQt(note.date).addSecs(-60LL * lead));
            note.noteWord = wordAt(body, 16);
            characters = body[18];
            textAt = 20;
            if (kind->code == kCall) {
                const size_t numberAt = textAt + 2 * characters;
                if (numberAt + 2 * body[19] > body.size()) return std::nullopt;
                note.number = fromWide(body.subspan(numberAt, 2 * body[19]));
            }
            break;
        }
    }
    if (textAt + 2 * characters > body.size()) return std::nullopt;
    note.text = fromWide(body.subspan(textAt, 2 * characters));
    refusal = 0x73;
    if (!toQt(note.date).isValid()) return std::nullopt;
    return note;
}

}  // namespace

void onCalendarInfo(Phone& phone, std::span<const uint8_t>) {
    const auto& notes = phone.fixture.data.calendar.notes;
    std::vector<uint8_t> body = {0x3B};
    putWord(body, static_cast<int>(notes.size()));
    body.insert(body.end(), {0x00, 0x00});
    std::vector<int> locations;
    for (const auto& note : notes) locations.push_back(note.location);
    std::sort(locations.begin(), locations.end());
    for (const int location : locations) putWord(body, location);
    answer(phone, std::move(body));
}

void onNextLocation(Phone& phone, std::span<const uint8_t>) {
    const Calendar& calendar = phone.fixture.data.calendar;
    int next = 0;
    for (int location = 1; location <= calendar.capacity && next == 0; ++location) {
        if (std::none_of(calendar.notes.begin(), calendar.notes.end(),
                         [&](const CalendarNote& n) { return n.location == location; })) {
            next = location;
        }
    }
    std::vector<uint8_t> body = {0x32};
    putWord(body, next);
    answer(phone, std::move(body));
}

void onCalendarRead(Phone& phone, std::span<const uint8_t> body) {
    const auto& notes = phone.fixture.data.calendar.notes;
    const int location = body.size() >= 6 ? wordAt(body, 4) : -1;
    const auto note = std::find_if(notes.begin(), notes.end(),
                                   [&](const CalendarNote& n) { return n.location == location; });
    if (note == notes.end() || !kindOfType(note->type)) return answer(phone, {0x1A, 0x93});
    answer(phone, noteAnswer(*note));
}

void onCalendarWrite(Phone& phone, std::span<const uint8_t> body) {
    Calendar& calendar = phone.fixture.data.calendar;
    const int location = body.size() >= 6 ? wordAt(body, 4) : 0;
    if (location < 1 || location > calendar.capacity) return answer(phone, {0x65, 0x81});
    uint8_t refusal = 0;
    auto note = noteOfWrite(body, refusal);
    if (!note) return answer(phone, {0x65, refusal});
    note->location = location;
    std::erase_if(calendar.notes, [&](const CalendarNote& n) { return n.location == location; });
    calendar.notes.push_back(*note);
    answer(phone, {static_cast<uint8_t>(body[3] + 1), body[4], body[5]});
}

void onCalendarDelete(Phone& phone, std::span<const uint8_t> body) {
    const int location = body.size() >= 6 ? wordAt(body, 4) : -1;
    if (std::erase_if(phone.fixture.data.calendar.notes,
                      [&](const CalendarNote& n) { return n.location == location; }) == 0) {
        return answer(phone, {0x69, 0x93});
    }
    answer(phone, {0x0C, body[4], body[5]});
}

}  // namespace phonesim::nokia7110
