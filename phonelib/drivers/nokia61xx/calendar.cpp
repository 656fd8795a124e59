// Reading, writing and deleting calendar notes.
//
//   00 01 00 66 L      read location L    -> 00 01 00 67, 01 (or 93: empty)
//   00 01 00 64 ...    write a new note   -> 00 01 00 65, 01 (73, 7D, 81: refused)
//   00 01 00 68 L      delete location L  -> 00 01 00 69, 01 (81 refused, 93 empty)
//
// A note: type + 1 at 8, date at 9-15 and alarm at 16-22 (year as two
// bytes, month, day, hour, minute, second), text length at 23, the text,
// and for call notes the number's length and digits.
#include "phonelib/drivers/nokia61xx/calendar.h"

#include <algorithm>

#include "phonelib/api/library.h"
#include "phonelib/drivers/bodytext.h"
#include "phonelib/drivers/nokia61xx/mailboxes.h"

namespace phonelib::nokia {

namespace {

constexpr int32_t kReadWait = 2;
constexpr int32_t kWriteWait = 8;
constexpr int32_t kDeleteWait = 4;
constexpr int kInfoLocations = 100;

constexpr char kReminderMark = '\x01';  // begins the text of a reminder-only model's note
constexpr int32_t kUnknownBirthYear = 1978;

bool reminderModel(uint8_t modelId) {
    return modelId >= 11 && modelId <= 13;
}

uint8_t low(int32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

void putDateTime(std::vector<uint8_t>& body, const TDateTimeRec& time) {
    body.insert(body.end(), {low(time.year >> 8), low(time.year), low(time.month), low(time.day),
                             low(time.hour), low(time.minute), 0x00});
}

TDateTimeRec dateTimeAt(std::span<const uint8_t> body, size_t at) {
    TDateTimeRec time;
    time.year = body[at] * 256 + body[at + 1];
    time.month = body[at + 2];
    time.day = body[at + 3];
    time.hour = body[at + 4];
    time.minute = body[at + 5];
    time.second = body[at + 6];
    return time;
}

uint8_t exchange(const Request& request, int32_t limit) {
    auto& box = mailboxes();
    box.calendarFlag = 0;
    send(request);
    return lib().waitForFlag(box.calendarFlag, limit);
}

}  // namespace

int32_t calendarCapacity(uint8_t modelId) {
    return modelId == 11 || modelId == 12 ? 10 : 50;
}

Request calendarReadRequest(uint8_t location) {
    return {0x13, {0x00, 0x01, 0x00, 0x66, location}};
}

Request calendarDeleteRequest(uint8_t location) {
    return {0x13, {0x00, 0x01, 0x00, 0x68, location}};
}

uint8_t calendarWriteRequest(uint8_t modelId, const TCalendarEntry& entry, Request& request) {
    TCalendarEntry note = entry;
    if (reminderModel(modelId)) {
        note.noteType = ntReminder;
        note.number.clear();
        note.alarmTime = note.date;
        note.text.insert(0, 1, kReminderMark);
    }
    if (!note.alarmSet) note.alarmTime = TDateTimeRec{};
    if (note.noteType == ntBirthday) {
        note.date.year =
            note.birthYear >= 1001 && note.birthYear < 3000 ? note.birthYear : kUnknownBirthYear;
    }
    if (note.text.size() > 0xFF || note.number.size() > 0xFF) return stTooLong;
    request = {0x13,
               {0x00, 0x01, 0x00, 0x64, 0x01, 0x10, 0x00, static_cast<uint8_t>(note.noteType + 1)}};
    auto& body = request.body;
    putDateTime(body, note.date);
    putDateTime(body, note.alarmTime);
    body.push_back(static_cast<uint8_t>(note.text.size()));
    body.insert(body.end(), note.text.begin(), note.text.end());
    body.push_back(static_cast<uint8_t>(note.number.size()));
    body.insert(body.end(), note.number.begin(), note.number.end());
    // The message is one byte longer than what it carries.
    body.push_back(0x00);
    return stDone;
}

bool decodeCalendarNote(std::span<const uint8_t> body, uint8_t modelId, TCalendarEntry& entry) {
    if (body.size() < 24) return false;
    entry.status = 2;
    entry.noteType = static_cast<uint8_t>(body[8] - 1);
    entry.number.clear();
    const uint8_t textLength = body[23];
    entry.text = bytesAt(body, 24, textLength);
    if (const auto mark = entry.text.find(kReminderMark); mark != std::string::npos) {
        entry.text.erase(mark, 1);
    }
    if (entry.noteType == ntCall && size_t{24} + textLength < body.size()) {
        entry.number = bytesAt(body, 25 + textLength, body[24 + textLength]);
    }
    entry.date = dateTimeAt(body, 9);
    entry.alarmTime = dateTimeAt(body, 16);
    entry.alarmSet = entry.alarmTime.year != 0 ? 1 : 0;
    if (reminderModel(modelId)) {
        if (!entry.alarmSet) entry.alarmTime = TDateTimeRec{2000, 1, 1, 0, 0, 0, 0};
        entry.date = entry.alarmTime;
    }
    if (entry.noteType == ntBirthday) entry.birthYear = static_cast<uint16_t>(entry.date.year);
    return true;
}

void onCalendarNote(std::span<const uint8_t> body) {
    if (body.size() < 5) return;
    auto& box = mailboxes();
    if (body[4] == 0x93) {
        box.calendarFlag = stEmptyLocation;
    } else if (body[4] == 0x01 && decodeCalendarNote(body, lib().state.ModelId, box.calendar)) {
        box.calendarFlag = 1;
    }
}

void onCalendarWritten(std::span<const uint8_t> body) {
    if (body.size() < 5) return;
    switch (body[4]) {
        case 0x01:
            mailboxes().calendarFlag = 1;
            break;
        case 0x73:
        case 0x7D:
        case 0x81:
            mailboxes().calendarFlag = stRefused;
            break;
        default:
            break;
    }
}

void onCalendarDeleted(std::span<const uint8_t> body) {
    if (body.size() < 5) return;
    switch (body[4]) {
        case 0x01:
            mailboxes().calendarFlag = 1;
            break;
        case 0x81:
            mailboxes().calendarFlag = stRefused;
            break;
        case 0x93:
            mailboxes().calendarFlag = stNoSuchLocation;
            break;
        default:
            break;
    }
}

uint8_t ReadCalendarEntry(TCalendarEntry& entry, int32_t location) {
    if (!fitsOneByte(location)) return stNoSuchLocation;
    auto& box = mailboxes();
    box.calendar = entry;
    const uint8_t result = exchange(calendarReadRequest(low(location)), kReadWait);
    if (result == stDone) entry = box.calendar;
    return result;
}

uint8_t WriteCalendarEntry(TCalendarEntry& entry) {
    Request request;
    if (const uint8_t refused = calendarWriteRequest(lib().state.ModelId, entry, request);
        refused != stDone) {
        return refused;
    }
    return exchange(request, kWriteWait);
}

uint8_t DeleteCalendarentry(int32_t location) {
    // The low byte of 257 would delete note 1.
    if (!fitsOneByte(location)) return stNoSuchLocation;
    return exchange(calendarDeleteRequest(low(location)), kDeleteWait);
}

uint8_t getcalinfo(TCalendarInfo& info) {
    info.used = info.maximum = calendarCapacity(lib().state.ModelId);
    for (int i = 0; i < kInfoLocations; ++i) info.locations[i] = i + 1;
    return stDone;
}

}  // namespace phonelib::nokia
