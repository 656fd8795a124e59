// The calendar requests and answers of the 7110 family.
//
//   00 01 00 3A FF FE     the used locations   -> 3B: 4-5 used, locations from 8
//   00 01 00 31           the next location    -> 32: the location at 4-5
//   00 01 00 19 L_hi L_lo read a note          -> 1A (below; 93 at 4: empty)
//   00 01 00 0B L_hi L_lo delete a note        -> 0C (or 69 with 93: no note there)
//   00 01 00 S L_hi L_lo C 00 year month day, then by type code C:
//     08 memo      note word, t, 27, text
//     02 call      hour, minute, lead, note word, t, p, text, number
//     01 meeting   hour, minute, lead, note word, t, 27, text
//     04 birthday  00 00, lead (32 bits), silent, t, text
//   with S the write sub-command 07, 03, 01, 05 -> 08, 04, 02, 06 (or 65
//   with 73, 7D or 81: refused). Texts go as 16-bit characters (t and p
//   count characters); a lead of FF FF (00 00 FF FF) means no alarm.
//
// The note answer 1A: 6 type code, 8-9 year, 10 month, 11 day, then
//     memo      12-13 note word, 14 t, text from 16
//     meeting   12 hour, 13 minute, 14-15 lead, 16-17 note word, 18 t, text
//     call      from 20 (the call's number of byte 19 characters after it)
//     birthday  14-17 lead in seconds, 18-19 birth year, 20 silent, 21 t,
//               text from 22
#include <algorithm>
#include <cstdio>

#include "codecs/tools/timestamps.h"
#include "phonelib/api/status.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia7110/calendar.h"

namespace phonelib::nokia7110 {

namespace {

constexpr uint8_t kMemo = 0x08;
constexpr uint8_t kCall = 0x02;
constexpr uint8_t kMeeting = 0x01;
constexpr uint8_t kBirthday = 0x04;
constexpr uint8_t kAfterLength = 0x27;
constexpr uint8_t kEmptyLocation = 0x93;
constexpr uint16_t kNoLead = 0xFFFF;
constexpr int32_t kUnknownBirthYear = 1978;
constexpr int32_t kBirthdayYear = 2000;

std::string stamp(const TDateTimeRec& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return text;
}

TDateTimeRec fromStamp(const std::string& text) {
    const auto field = [&](size_t from, size_t length) {
        return std::stoi(text.substr(from, length));
    };
    const size_t year = text.size() - 8;
    return {field(0, year),
            field(year, 2),
            field(year + 2, 2),
            field(year + 4, 2),
            field(year + 6, 2),
            0,
            0};
}

void putWide(std::vector<uint8_t>& body, const std::string& text) {
    for (const char c : text) body.insert(body.end(), {0x00, static_cast<uint8_t>(c)});
}

// `count` 16-bit characters from `from` (their low bytes); empty unless all
// of them lie inside the body.
std::string wideText(std::span<const uint8_t> body, size_t from, size_t count) {
    if (from + 2 * count > body.size()) return {};
    std::string text;
    for (size_t i = 0; i < count; ++i) text.push_back(static_cast<char>(body[from + 2 * i + 1]));
    return text;
}

struct TypeCodes {
    uint8_t write;
    uint8_t code;
};

std::optional<TypeCodes> codesOf(uint8_t noteType) {
    switch (noteType) {
        case ntReminder:
            return TypeCodes{0x07, kMemo};
        case ntCall:
            return TypeCodes{0x03, kCall};
        case ntMeeting:
            return TypeCodes{0x01, kMeeting};
        case ntBirthday:
            return TypeCodes{0x05, kBirthday};
        default:
            return std::nullopt;
    }
}

// The alarm's lead before the note: minutes, for birthdays seconds (58 more,
// the note ringing at 23:59:58). Nothing when the field cannot carry it.
std::optional<int64_t> alarmLead(const TCalendarEntry& note) {
    const std::string noteTime = stamp(note.date);
    TDateTimeRec alarm = note.alarmTime;
    if (note.noteType != ntBirthday) {
        const int64_t seconds = tools::timestampdiff(stamp(alarm), noteTime);
        if (seconds < 0 || seconds / 60 >= kNoLead) return std::nullopt;
        return seconds / 60;
    }
    // The alarm falls in the note's year.
    if (noteTime > stamp(alarm)) alarm.year = note.date.year;
    const int64_t seconds = tools::timestampdiff(stamp(alarm), noteTime) + 58;
    if (seconds < 0 || seconds >= 0xFFFF0000LL) return std::nullopt;
    return seconds;
}

}  // namespace

Request calendarInfoRequest() {
    return {0x13, {0x00, 0x01, 0x00, 0x3A, 0xFF, 0xFE}};
}

Request nextLocationRequest() {
    return {0x13, {0x00, 0x01, 0x00, 0x31}};
}

uint8_t calendarReadRequest(int32_t location, Request& request) {
    if (!fitsSixteenBits(location)) return stNoSuchLocation;
    request = {0x13, {0x00, 0x01, 0x00, 0x19, highByte(location), lowByte(location)}};
    return stDone;
}

uint8_t calendarDeleteRequest(int32_t location, Request& request) {
    if (!fitsSixteenBits(location)) return stNoSuchLocation;
    request = {0x13, {0x00, 0x01, 0x00, 0x0B, highByte(location), lowByte(location)}};
    return stDone;
}

uint8_t calendarWriteRequest(const TCalendarEntry& entry, Request& request) {
    const auto codes = codesOf(entry.noteType);
    if (!codes) return stNotAvailable;
    if (!fitsSixteenBits(entry.location)) return stNoSuchLocation;
    if (entry.text.size() > 0xFF || entry.number.size() > 0xFF) return stTooLong;
    TCalendarEntry note = entry;
    if (note.noteType == ntBirthday) {
        note.date.hour = 23;
        note.date.minute = 59;
    }
    std::optional<int64_t> lead;
    if (note.alarmSet) {
        lead = alarmLead(note);
        if (!lead) return stTooLong;
    }
    if (note.noteType == ntBirthday) {
        note.date.year =
            note.birthYear >= 1001 && note.birthYear < 3000 ? note.birthYear : kUnknownBirthYear;
    }
    request = {
        0x13,
        {0x00, 0x01, 0x00, codes->write, highByte(note.location), lowByte(note.location), codes->code, 0x00,
         highByte(note.date.year), lowByte(note.date.year), lowByte(note.date.month), lowByte(note.date.day)}};
    auto& body = request.body;
    const auto text = static_cast<uint8_t>(note.text.size());
    const int64_t lead16 = lead.value_or(kNoLead);
    switch (codes->code) {
        case kMemo:
            body.insert(body.end(), {highByte(note.noteWord), lowByte(note.noteWord), text, kAfterLength});
            putWide(body, note.text);
            break;
        case kCall:
        case kMeeting:
            body.insert(body.end(), {lowByte(note.date.hour), lowByte(note.date.minute), highByte(lead16),
                                     lowByte(lead16), highByte(note.noteWord), lowByte(note.noteWord), text,
                                     codes->code == kCall ? static_cast<uint8_t>(note.number.size())
                                                          : kAfterLength});
            putWide(body, note.text);
            if (codes->code == kCall) putWide(body, note.number);
            break;
        default: {
            const int64_t lead32 = lead.value_or(kNoLead);
            body.insert(body.end(),
                        {0x00, 0x00, lowByte(lead32 >> 24), lowByte(lead32 >> 16), highByte(lead32),
                         lowByte(lead32), static_cast<uint8_t>(note.silent != 0 ? 0x01 : 0x00), text});
            putWide(body, note.text);
            break;
        }
    }
    return stDone;
}

bool decodeCalendarInfo(std::span<const uint8_t> body, TCalendarInfo& info) {
    if (body.size() < 8) return false;
    info.used = wordAt(body, 4);
    const size_t count = std::min({static_cast<size_t>(info.used), (body.size() - 8) / 2,
                                   static_cast<size_t>(kCalendarLocations)});
    info.locations.fill(0);
    for (size_t i = 0; i < count; ++i) info.locations[i] = wordAt(body, 8 + 2 * i);
    return true;
}

std::optional<int32_t> decodeNextLocation(std::span<const uint8_t> body) {
    if (body.size() < 6) return std::nullopt;
    return wordAt(body, 4);
}

bool decodeCalendarNote(std::span<const uint8_t> body, TCalendarEntry& entry) {
    if (body.size() < 14 || body[4] == kEmptyLocation) return false;
    TCalendarEntry note = entry;
    note.status = 2;
    note.noEnd = 1;
    note.number.clear();
    note.date = TDateTimeRec{wordAt(body, 8), body[10], body[11], 0, 0, 0, 0};
    switch (body[6]) {
        case kMemo: {
            if (body.size() < 16) return false;
            note.noteType = ntReminder;
            note.noteWord = wordAt(body, 12);
            note.alarmLead = 0;
            note.alarmSet = 0;
            note.alarmTime = TDateTimeRec{1998, 1, 1, 12, 12, 0, 0};
            note.text = wideText(body, 16, body[14]);
            break;
        }
        case kCall:
        case kMeeting: {
            if (body.size() < 20) return false;
            note.noteType = body[6] == kCall ? ntCall : ntMeeting;
            note.date.hour = body[12];
            note.date.minute = body[13];
            const uint16_t lead = wordAt(body, 14);
            note.alarmLead = lead;
            note.alarmSet = lead != kNoLead ? 1 : 0;
            note.alarmTime = fromStamp(tools::timestampadd(stamp(note.date), -int64_t{lead} * 60));
            note.noteWord = wordAt(body, 16);
            const size_t text = body[18];
            note.text = wideText(body, 20, text);
            if (body[6] == kCall) note.number = wideText(body, 20 + 2 * text, body[19]);
            break;
        }
        case kBirthday: {
            if (body.size() < 22) return false;
            note.noteType = ntBirthday;
            note.date.year = kBirthdayYear;
            note.date.hour = 23;
            note.date.minute = 59;
            note.date.second = 58;
            const int64_t lead = int64_t{wordAt(body, 14)} << 16 | wordAt(body, 16);
            note.alarmLead = static_cast<int32_t>(lead);
            note.alarmSet = wordAt(body, 16) != kNoLead ? 1 : 0;
            note.alarmTime = fromStamp(tools::timestampadd(stamp(note.date), -lead));
            note.birthYear = wordAt(body, 18);
            note.silent = body[20] != 0 ? 1 : 0;
            note.text = wideText(body, 22, body[21]);
            break;
        }
        default:
            return false;
    }
    entry = note;
    return true;
}

}  // namespace phonelib::nokia7110
