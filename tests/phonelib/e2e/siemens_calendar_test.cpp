// Calendar notes of a simulated Siemens phone, as vCalendar objects.
#include "phonelib/drivers/siemens/vcalendar.h"
#include "tests/phonelib/e2e/siemensphone.h"

using namespace phonelib;
using testing_support::SiemensPhoneTest;

namespace {

using SiemensCalendar = SiemensPhoneTest;

TEST_F(SiemensCalendar, NotesAreReadWrittenAndDeleted) {
    connectTo("S45");
    TCalendarInfo info;
    ASSERT_EQ(getcalinfo(info), stDone);
    EXPECT_EQ(info.used, 50);
    EXPECT_EQ(info.maximum, 50);
    EXPECT_EQ(info.locations[0], 1);
    EXPECT_EQ(info.locations[49], 50);

    TCalendarEntry meeting;
    ASSERT_EQ(ReadCalendarEntry(meeting, 1), stDone);
    EXPECT_TRUE(heard("AT^SBNR=\"vcs\",1"));
    EXPECT_EQ(meeting.noteType, ntMeeting);
    EXPECT_EQ(meeting.text, "Besprechung");
    EXPECT_EQ(meeting.date.year, 2001);
    EXPECT_EQ(meeting.date.hour, 14);
    EXPECT_EQ(meeting.alarmTime.hour, 15);  // the end
    EXPECT_EQ(meeting.alarmSet, 1);
    EXPECT_EQ(meeting.noStart, 0);

    TCalendarEntry birthday;
    ASSERT_EQ(ReadCalendarEntry(birthday, 2), stDone);
    EXPECT_EQ(birthday.noteType, ntBirthday);
    EXPECT_EQ(birthday.repeat, 8760);
    EXPECT_EQ(birthday.alarmSet, 0);

    TCalendarEntry empty;
    EXPECT_EQ(ReadCalendarEntry(empty, 3), stEmptyLocation);

    // Written with AALARM; the phone keeps the alarm and reports it again.
    TCalendarEntry call;
    call.location = 7;
    call.noteType = ntCall;
    call.text = "Anruf bei \xC4rztin";
    call.date = {2001, 3, 5, 9, 7, 45, 0};
    call.alarmTime = {2001, 3, 5, 9, 30, 0, 0};
    call.alarmSet = 1;
    call.repeat = 168;
    ASSERT_EQ(WriteCalendarEntry(call), stDone);
    const QByteArray stored = sim->fixture().siemens.calendar.objects.at(7);
    EXPECT_TRUE(stored.contains("\r\nDTSTART:20010305T090700\r\n")) << stored.toStdString();
    EXPECT_TRUE(stored.contains("\r\nRRULE:D7\r\n"));
    TCalendarEntry back;
    ASSERT_EQ(ReadCalendarEntry(back, 7), stDone);
    EXPECT_EQ(back.noteType, ntCall);
    EXPECT_EQ(back.text, call.text);
    EXPECT_EQ(back.date.minute, 7);
    EXPECT_EQ(back.date.second, 0);
    EXPECT_EQ(back.alarmTime.minute, 30);
    EXPECT_EQ(back.alarmSet, 1);
    EXPECT_EQ(back.repeat, 168);

    TCalendarEntry task;
    task.location = 8;
    task.noteType = ntTask;
    task.status = 1;
    task.noEnd = 1;
    task.text = "Steuer";
    task.date = {2001, 4, 1, 0, 0, 0, 0};
    ASSERT_EQ(WriteCalendarEntry(task), stDone);
    ASSERT_EQ(ReadCalendarEntry(back, 8), stDone);
    EXPECT_EQ(back.noteType, ntTask);
    EXPECT_EQ(back.status, 1);

    ASSERT_EQ(DeleteCalendarentry(7), stDone);
    EXPECT_TRUE(heard("AT^SBNW=\"vcs\",7,0"));
    EXPECT_EQ(ReadCalendarEntry(back, 7), stEmptyLocation);
    sim->clearJournal();
    call.location = 256;
    EXPECT_EQ(WriteCalendarEntry(call), stNoSuchLocation);
    EXPECT_EQ(DeleteCalendarentry(256), stNoSuchLocation);
    EXPECT_TRUE(driverCommands().empty());
}

TEST_F(SiemensCalendar, AShortLastPartCountsAsWritten) {
    connectTo("S45");
    TCalendarEntry note;
    note.location = 5;
    note.date = {2001, 7, 1, 8, 0, 0, 0};
    // A text that leaves the object's last part of 200 hex characters short.
    do {
        note.text += 'x';
    } while (siemens::writevcal(note).size() * 2 % 200 == 0 ||
             siemens::writevcal(note).size() * 2 % 200 >= 13);
    ASSERT_EQ(WriteCalendarEntry(note), stDone);
    const auto parts = inputs();
    ASSERT_GE(parts.size(), 2u);
    EXPECT_LT(parts.back().size(), 13u);
    TCalendarEntry back;
    ASSERT_EQ(ReadCalendarEntry(back, 5), stDone);
    EXPECT_EQ(back.text, note.text);
}

TEST_F(SiemensCalendar, OlderModelsHaveThirtyNotes) {
    connectTo("S35i");
    TCalendarInfo info;
    ASSERT_EQ(getcalinfo(info), stDone);
    EXPECT_EQ(info.maximum, 30);
    TCapacity book;
    book.memory = memAddressBook;
    GetCapacity(book);
    EXPECT_EQ(book.total, 0) << "no address book";
}

}  // namespace
