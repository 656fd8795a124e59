// Calendar notes of the Nokia 61xx family: the write message per model and
// the note answer.
#include <gtest/gtest.h>

#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/calendar.h"

using namespace phonelib;
using namespace phonelib::nokia;

namespace {

using Bytes = std::vector<uint8_t>;

TCalendarEntry note(uint8_t type, const std::string& text) {
    TCalendarEntry entry;
    entry.noteType = type;
    entry.text = text;
    entry.date = {2024, 6, 12, 14, 30, 45, 0};
    return entry;
}

TEST(Nokia61xxCalendar, WriteOfACallNoteWithAlarm) {
    TCalendarEntry call = note(ntCall, "Anna");
    call.number = "0301234";
    call.alarmSet = 1;
    call.alarmTime = {2024, 6, 12, 14, 15, 0, 0};
    Request request;
    ASSERT_EQ(calendarWriteRequest(14, call, request), stDone);
    EXPECT_EQ(request.type, 0x13);
    EXPECT_EQ(request.body.size(), 4u + 7u + 25u);
    EXPECT_EQ(request.body,
              (Bytes{0x00, 0x01, 0x00, 0x64, 0x01, 0x10, 0x00, 0x02, 0x07, 0xE8, 6,   12,  14, 30,
                     0x00,  // seconds are not sent
                     0x07, 0xE8, 6,    12,   14,   15,   0x00, 4,    'A',  'n',  'n', 'a', 7,  '0',
                     '3',  '0',  '1',  '2',  '3',  '4',  0x00}));
}

TEST(Nokia61xxCalendar, AlarmOffAndBirthYears) {
    TCalendarEntry birthday = note(ntBirthday, "Bernd");
    birthday.alarmTime = {2024, 1, 1, 9, 0, 0, 0};  // not set: sent as zeros
    Request request;
    ASSERT_EQ(calendarWriteRequest(14, birthday, request), stDone);
    EXPECT_EQ(request.body[8] << 8 | request.body[9], 1978);  // no birth year
    EXPECT_EQ(Bytes(request.body.begin() + 15, request.body.begin() + 22), Bytes(7, 0x00));
    for (const auto& [year, sent] :
         {std::pair{1001, 1001}, {2999, 2999}, {1000, 1978}, {3000, 1978}}) {
        birthday.birthYear = static_cast<uint16_t>(year);
        ASSERT_EQ(calendarWriteRequest(14, birthday, request), stDone);
        EXPECT_EQ(request.body[8] << 8 | request.body[9], sent) << year;
    }
}

TEST(Nokia61xxCalendar, ReminderModelsKeepTextAndAlarm) {
    TCalendarEntry meeting = note(ntMeeting, "Zahnarzt");
    meeting.number = "123";
    meeting.alarmSet = 1;
    Request request;
    ASSERT_EQ(calendarWriteRequest(12, meeting, request), stDone);
    const Bytes& body = request.body;
    EXPECT_EQ(body[7], 0x01);  // reminder
    EXPECT_EQ(Bytes(body.begin() + 15, body.begin() + 21),
              Bytes(body.begin() + 8, body.begin() + 14));  // alarm := date
    EXPECT_EQ(body[22], 9);
    EXPECT_EQ(body[23], 0x01);
    EXPECT_EQ(body[24], 'Z');
    EXPECT_EQ(body[32], 0);  // no number
    EXPECT_EQ(body.size(), 9u + 25u);
}

TEST(Nokia61xxCalendar, LongTextsAreRefused) {
    Request request;
    EXPECT_EQ(calendarWriteRequest(14, note(ntReminder, std::string(255, 'x')), request), stDone);
    EXPECT_EQ(calendarWriteRequest(14, note(ntReminder, std::string(256, 'x')), request),
              stTooLong);
    // The reminder mark counts too.
    EXPECT_EQ(calendarWriteRequest(11, note(ntReminder, std::string(255, 'x')), request),
              stTooLong);
    TCalendarEntry call = note(ntCall, "x");
    call.number.assign(256, '1');
    EXPECT_EQ(calendarWriteRequest(14, call, request), stTooLong);
}

Bytes noteAnswer(uint8_t type, Bytes date, Bytes alarm, const std::string& text,
                 const std::string& number) {
    Bytes body = {0x00, 0x01, 0x00, 0x67, 0x01, 0x05, 0x00, 0x00, type};
    body.insert(body.end(), date.begin(), date.end());
    body.insert(body.end(), alarm.begin(), alarm.end());
    body.push_back(static_cast<uint8_t>(text.size()));
    body.insert(body.end(), text.begin(), text.end());
    body.push_back(static_cast<uint8_t>(number.size()));
    body.insert(body.end(), number.begin(), number.end());
    return body;
}

const Bytes kJune12 = {0x07, 0xE8, 6, 12, 14, 30, 15};
const Bytes kNoAlarm(7, 0x00);

TEST(Nokia61xxCalendar, NoteAnswer) {
    TCalendarEntry entry;
    entry.location = 5;
    ASSERT_TRUE(decodeCalendarNote(noteAnswer(2, kJune12, kNoAlarm, "Anna", "0301234"), 14, entry));
    EXPECT_EQ(entry.status, 2);
    EXPECT_EQ(entry.noteType, ntCall);
    EXPECT_EQ(entry.text, "Anna");
    EXPECT_EQ(entry.number, "0301234");
    EXPECT_EQ(entry.date.year, 2024);
    EXPECT_EQ(entry.date.second, 15);
    EXPECT_EQ(entry.alarmSet, 0);
    EXPECT_EQ(entry.location, 5);  // what the answer does not carry stays

    ASSERT_TRUE(decodeCalendarNote(
        noteAnswer(4, {0x07, 0xBA, 5, 4, 0, 0, 0}, kNoAlarm, "Bernd", ""), 14, entry));
    EXPECT_EQ(entry.noteType, ntBirthday);
    EXPECT_EQ(entry.birthYear, 1978);
    EXPECT_EQ(entry.number, "");
}

TEST(Nokia61xxCalendar, ReminderWithoutAlarmDatesToTheYear2000) {
    TCalendarEntry entry;
    ASSERT_TRUE(
        decodeCalendarNote(noteAnswer(1, kJune12, kNoAlarm, "\x01Zahnarzt", ""), 12, entry));
    EXPECT_EQ(entry.text, "Zahnarzt");
    EXPECT_EQ(entry.alarmSet, 0);
    EXPECT_EQ(entry.date.year, 2000);
    EXPECT_EQ(entry.date.month, 1);
    EXPECT_EQ(entry.date.day, 1);
    EXPECT_EQ(entry.date.hour, 0);
    EXPECT_EQ(entry.date.minute, 0);

    const Bytes alarm = {0x07, 0xE8, 3, 1, 9, 0, 0};
    ASSERT_TRUE(decodeCalendarNote(noteAnswer(1, kJune12, alarm, "\x01Zahnarzt", ""), 12, entry));
    EXPECT_EQ(entry.alarmSet, 1);
    EXPECT_EQ(entry.date.month, 3);  // the date is the alarm time
    EXPECT_EQ(entry.date.hour, 9);
}

TEST(Nokia61xxCalendar, DamagedNoteAnswers) {
    TCalendarEntry entry;
    entry.text = "old";
    Bytes answer = noteAnswer(2, kJune12, kNoAlarm, "Anna", "0301234");
    EXPECT_FALSE(decodeCalendarNote(Bytes(answer.begin(), answer.begin() + 23), 14, entry));
    EXPECT_EQ(entry.text, "old");
    // Text and number lengths that reach past the body give empty fields.
    Bytes longText = answer;
    longText[23] = 200;
    ASSERT_TRUE(decodeCalendarNote(longText, 14, entry));
    EXPECT_EQ(entry.text, "");
    EXPECT_EQ(entry.number, "");
    Bytes longNumber = answer;
    longNumber[28] = 50;
    ASSERT_TRUE(decodeCalendarNote(longNumber, 14, entry));
    EXPECT_EQ(entry.text, "Anna");
    EXPECT_EQ(entry.number, "");
    Bytes noNumber(answer.begin(), answer.begin() + 28);
    ASSERT_TRUE(decodeCalendarNote(noNumber, 14, entry));
    EXPECT_EQ(entry.number, "");
}

TEST(Nokia61xxCalendar, Capacity) {
    EXPECT_EQ(calendarCapacity(11), 10);
    EXPECT_EQ(calendarCapacity(12), 10);
    EXPECT_EQ(calendarCapacity(13), 50);
    EXPECT_EQ(calendarCapacity(14), 50);
}

}  // namespace
