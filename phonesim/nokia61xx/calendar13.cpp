// Type 0x13 calendar. The phone keeps its notes contiguous from location 1
// up to its capacity (10 or 50 by model): a new note goes after the last,
// and deleting one moves the later notes down by one location.
//
//   00 01 00 66 L     -> 00 01 00 67 01 L 00 00 T date alarm t text p number
//                        (00 01 00 67 93 when L is empty or invalid)
//   00 01 00 64 01 10 00 T date alarm t text p number
//                     -> 00 01 00 65 01 L (81 full, 73 bad date, 7D bad type)
//   00 01 00 68 L     -> 00 01 00 69 01 (93 when L is empty or invalid)
//
// T is the note type + 1 (1 reminder, 2 call, 3 meeting, 4 birthday); a
// date is year (2 bytes), month, day, hour, minute, second.
#include <algorithm>

#include "phonesim/nokia61xx/requests.h"

namespace phonesim::nokia61xx {

namespace {

constexpr size_t kWrittenTextLengthAt = 22;

DateTime dateTimeAt(std::span<const uint8_t> body, size_t at) {
    return {body[at] << 8 | body[at + 1],
            body[at + 2],
            body[at + 3],
            body[at + 4],
            body[at + 5],
            body[at + 6]};
}

void putDateTime(std::vector<uint8_t>& out, const DateTime& t) {
    out.insert(out.end(), {static_cast<uint8_t>(t.year >> 8), static_cast<uint8_t>(t.year),
                           static_cast<uint8_t>(t.month), static_cast<uint8_t>(t.day),
                           static_cast<uint8_t>(t.hour), static_cast<uint8_t>(t.minute),
                           static_cast<uint8_t>(t.second)});
}

bool validDate(const DateTime& t) {
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour <= 23 &&
           t.minute <= 59 && t.second <= 59;
}

QString latin1Text(std::span<const uint8_t> bytes) {
    return QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()),
                               static_cast<qsizetype>(bytes.size()));
}

void answer(Phone& phone, uint8_t subCode, std::vector<uint8_t> rest) {
    std::vector<uint8_t> body = {0x00, 0x01, 0x00, subCode};
    body.insert(body.end(), rest.begin(), rest.end());
    phone.answer({0x13, std::move(body)});
}

std::vector<CalendarNote>::iterator noteAt(Calendar& calendar, int location) {
    return std::find_if(calendar.notes.begin(), calendar.notes.end(),
                        [&](const CalendarNote& n) { return n.location == location; });
}

}  // namespace

void onCalendarRead(Phone& phone, std::span<const uint8_t> body) {
    auto& calendar = phone.fixture.data.calendar;
    const auto note = body.size() > 4 ? noteAt(calendar, body[4]) : calendar.notes.end();
    if (note == calendar.notes.end()) return answer(phone, 0x67, {0x93});
    std::vector<uint8_t> rest = {0x01, body[4], 0x00, 0x00, static_cast<uint8_t>(note->type)};
    putDateTime(rest, note->date);
    putDateTime(rest, note->alarm);
    const auto text = latin1(note->text);
    const auto number = latin1(note->number);
    rest.push_back(static_cast<uint8_t>(text.size()));
    rest.insert(rest.end(), text.begin(), text.end());
    rest.push_back(static_cast<uint8_t>(number.size()));
    rest.insert(rest.end(), number.begin(), number.end());
    answer(phone, 0x67, std::move(rest));
}

void onCalendarWrite(Phone& phone, std::span<const uint8_t> body) {
    if (body.size() <= kWrittenTextLengthAt) return;
    const size_t textLength = body[kWrittenTextLengthAt];
    const size_t numberLengthAt = kWrittenTextLengthAt + 1 + textLength;
    if (body.size() <= numberLengthAt || body.size() < numberLengthAt + 1 + body[numberLengthAt])
        return;
    CalendarNote note;
    note.type = body[7];
    note.date = dateTimeAt(body, 8);
    note.alarm = dateTimeAt(body, 15);
    note.text = latin1Text(body.subspan(kWrittenTextLengthAt + 1, textLength));
    note.number = latin1Text(body.subspan(numberLengthAt + 1, body[numberLengthAt]));
    if (note.type < 1 || note.type > 4) return answer(phone, 0x65, {0x7D});
    if (!validDate(note.date)) return answer(phone, 0x65, {0x73});
    auto& calendar = phone.fixture.data.calendar;
    // A fixture may leave the n-th write unanswered.
    if (++calendar.writesSeen == calendar.unansweredWrite) return;
    const int location = static_cast<int>(calendar.notes.size()) + 1;
    if (location > calendar.capacity) return answer(phone, 0x65, {0x81});
    note.location = location;
    calendar.notes.push_back(note);
    std::ranges::sort(calendar.notes, {}, &CalendarNote::location);
    answer(phone, 0x65, {0x01, static_cast<uint8_t>(location)});
}

void onCalendarDelete(Phone& phone, std::span<const uint8_t> body) {
    auto& calendar = phone.fixture.data.calendar;
    const auto note = body.size() > 4 ? noteAt(calendar, body[4]) : calendar.notes.end();
    if (note == calendar.notes.end()) return answer(phone, 0x69, {0x93});
    for (auto later = calendar.notes.erase(note); later != calendar.notes.end(); ++later)
        --later->location;
    answer(phone, 0x69, {0x01});
}

}  // namespace phonesim::nokia61xx
