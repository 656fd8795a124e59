// Calendar notes and WAP bookmarks against the simulated phone.
#include "tests/phonelib/e2e/requestlog.h"
#include "tests/phonelib/e2e/simulatedphone.h"

using namespace phonelib;
using testing_support::requestBodies;
using testing_support::SimulatedPhoneTest;

namespace {

TCalendarEntry noteNumber(int i) {
    TCalendarEntry entry;
    entry.noteType = static_cast<uint8_t>(i % 4);
    entry.text = "Notiz " + std::to_string(i);
    entry.date = {2024, 1 + i % 12, 1 + i % 28, i % 24, i % 60, 0, 0};
    if (entry.noteType == ntCall) entry.number = "030" + std::to_string(1000 + i);
    if (entry.noteType == ntBirthday) {
        entry.birthYear = static_cast<uint16_t>(1950 + i);
        entry.date.year = entry.birthYear;
    }
    if (i % 3 == 0) {
        entry.alarmSet = 1;
        entry.alarmTime = entry.date;
        entry.alarmTime.year = 2024;
        entry.alarmTime.minute = (entry.date.minute + 5) % 60;
    }
    entry.status = 2;
    return entry;
}

void expectSameNote(const TCalendarEntry& read, const TCalendarEntry& written) {
    EXPECT_EQ(read.text, written.text);
    EXPECT_EQ(read.noteType, written.noteType);
    EXPECT_EQ(read.number, written.number);
    EXPECT_EQ(read.birthYear, written.birthYear);
    EXPECT_EQ(read.alarmSet, written.alarmSet);
    EXPECT_EQ(read.status, written.status);
    const auto time = [](const TDateTimeRec& t) {
        return std::vector<int>{t.year, t.month, t.day, t.hour, t.minute, t.second};
    };
    EXPECT_EQ(time(read.date), time(written.date));
    EXPECT_EQ(time(read.alarmTime), time(written.alarmTime));
}

using Calendar = SimulatedPhoneTest;

TEST_F(Calendar, FiftyNotesOfAllTypesWrittenReadAndDeleted) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.data.calendar.notes.clear();
    startPhone(fixture);
    ASSERT_EQ(connect(), stDone);
    TCalendarInfo info;
    ASSERT_EQ(getcalinfo(info), stDone);
    ASSERT_EQ(info.maximum, 50);

    for (int i = 0; i < 50; ++i) ASSERT_EQ(WriteCalendarEntry(noteNumber(i)), stDone) << i;
    EXPECT_EQ(WriteCalendarEntry(noteNumber(50)), stRefused);  // full

    for (int i = 0; i < 50; ++i) {
        TCalendarEntry read;
        ASSERT_EQ(ReadCalendarEntry(read, info.locations[i]), stDone) << i;
        SCOPED_TRACE(i);
        expectSameNote(read, noteNumber(i));
    }
    // The phone closes the gap a deletion leaves, as a real one does.
    ASSERT_EQ(DeleteCalendarentry(10), stDone);
    TCalendarEntry moved;
    ASSERT_EQ(ReadCalendarEntry(moved, 10), stDone);
    expectSameNote(moved, noteNumber(10));
    for (int i = 0; i < 49; ++i) ASSERT_EQ(DeleteCalendarentry(1), stDone) << i;
    TCalendarEntry gone;
    gone.text = "unchanged";
    EXPECT_EQ(ReadCalendarEntry(gone, 1), stEmptyLocation);
    EXPECT_EQ(gone.text, "unchanged");
    EXPECT_EQ(DeleteCalendarentry(1), stNoSuchLocation);
    EXPECT_TRUE(sim->fixture().data.calendar.notes.empty());
}

TEST_F(Calendar, ReminderModels) {
    startPhone("NHM-5");
    ASSERT_EQ(connect(), stDone);
    TCalendarInfo info;
    ASSERT_EQ(getcalinfo(info), stDone);
    EXPECT_EQ(info.used, 10);
    EXPECT_EQ(info.maximum, 10);
    EXPECT_EQ(info.locations[0], 1);
    EXPECT_EQ(info.locations[99], 100);

    TCalendarEntry shipped;
    ASSERT_EQ(ReadCalendarEntry(shipped, 1), stDone);
    EXPECT_EQ(shipped.text, "Zahnarzt");
    EXPECT_EQ(shipped.alarmSet, 1);
}

TEST_F(Calendar, Model12NoteWithoutAlarmComesBackDatedToTheYear2000) {
    auto fixture = phonesim::Fixture::forModel("NHM-6");
    fixture.data.calendar.notes.clear();
    startPhone(fixture);
    ASSERT_EQ(connect(), stDone);
    TCalendarEntry note = noteNumber(1);  // a call note with a number
    note.alarmSet = 0;
    ASSERT_EQ(WriteCalendarEntry(note), stDone);
    const auto stored = sim->fixture().data.calendar.notes.front();
    EXPECT_EQ(stored.type, 1);
    EXPECT_EQ(stored.text, QStringLiteral("\001Notiz 1"));
    EXPECT_EQ(stored.number, QString());

    TCalendarEntry read;
    ASSERT_EQ(ReadCalendarEntry(read, 1), stDone);
    EXPECT_EQ(read.text, "Notiz 1");
    EXPECT_EQ(read.noteType, ntReminder);
    EXPECT_EQ(read.alarmSet, 0);
    EXPECT_EQ(read.date.year, 2000);
    EXPECT_EQ(read.date.month, 1);
    EXPECT_EQ(read.date.day, 1);
    EXPECT_EQ(read.date.hour, 0);
    EXPECT_EQ(read.date.minute, 0);
}

using Bookmarks = SimulatedPhoneTest;

TEST_F(Bookmarks, ThreeOfFifteen) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.data.bookmarks = {};
    fixture.data.bookmarks[0] = phonesim::Bookmark{"Wetter", "wap.wetter.example"};
    fixture.data.bookmarks[4] = phonesim::Bookmark{"Bahn", "wap.bahn.example"};
    fixture.data.bookmarks[14] = phonesim::Bookmark{"Letzter", "wap.letzter.example"};
    startPhone(fixture);
    ASSERT_EQ(connect(), stDone);
    TWap wap;
    wap.count = 9;
    wap.names[10] = "stale";
    ASSERT_EQ(GetWAPlink(wap), stDone);
    EXPECT_EQ(requestBodies(*sim, 0x3F, 0x06).size(), 15u);
    EXPECT_EQ(wap.count, 3);
    EXPECT_EQ(wap.names[0], "Wetter");
    EXPECT_EQ(wap.links[1], "wap.bahn.example");
    EXPECT_EQ(wap.names[2], "Letzter");
    EXPECT_EQ(wap.names[10], "");
}

TEST_F(Bookmarks, FifteenWrittenAndReadBack) {
    startPhone("NHM-5");
    ASSERT_EQ(connect(), stDone);
    TWap written;
    written.count = kWapLinks;
    for (int i = 0; i < kWapLinks; ++i) {
        written.names[i] = "Seite " + std::to_string(i);
        written.links[i] = "http://wap.example/" + std::string(static_cast<size_t>(i), 'x');
    }
    ASSERT_EQ(WriteWAPlink(written), stDone);
    EXPECT_EQ(requestBodies(*sim, 0x3F, 0x0C).size(), 16u);
    TWap read;
    ASSERT_EQ(GetWAPlink(read), stDone);
    EXPECT_EQ(read.count, kWapLinks);
    EXPECT_EQ(read.names, written.names);
    EXPECT_EQ(read.links, written.links);

    // A bookmark too long to send: the phone keeps what it had.
    TWap tooLong = written;
    tooLong.links[3].assign(300, 'l');
    sim->clearJournal();
    EXPECT_EQ(WriteWAPlink(tooLong), stTooLong);
    EXPECT_TRUE(requestBodies(*sim, 0x3F).empty());
}

}  // namespace
