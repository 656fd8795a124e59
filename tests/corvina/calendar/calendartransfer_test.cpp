// Download and upload over a fake library: what each family's driver
// hands over (or leaves out), refused and unanswered calls, a lost link,
// and the bounds of clearing the phone.
#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "corvina/calendar/calendarupload.h"
#include "phonelib/api/status.h"
#include "tests/corvina/calendar/fixedtable.h"

namespace corvina {
namespace {

using testing_calendar::fixedTable;

constexpr uint8_t kNokia6110 = 14;
constexpr uint8_t kNokia7110 = 21;
constexpr uint8_t kSiemensS45 = 8;

// A phone behind the four calls. Scripted results, when given, are used
// first; every call is logged.
struct FakePhone {
    std::map<int32_t, TCalendarEntry> notes;
    // What a driver fills in on reading; fields it skips keep what the
    // caller's record held.
    std::function<void(TCalendarEntry&, const TCalendarEntry&)> fill =
        [](TCalendarEntry& out, const TCalendarEntry& in) { out = in; };
    int32_t maximum = 50;
    uint8_t infoResult = phonelib::stDone;
    std::deque<uint8_t> readResults, writeResults, removeResults, infoResults;
    int32_t nextLocation = 0;
    std::vector<std::string> log;
    std::vector<TCalendarEntry> written;

    static uint8_t take(std::deque<uint8_t>& results, uint8_t otherwise) {
        if (results.empty()) return otherwise;
        const uint8_t result = results.front();
        results.pop_front();
        return result;
    }

    CalendarCalls calls() {
        CalendarCalls c;
        c.info = [this](TCalendarInfo& info) {
            log.push_back("info");
            info.used = info.maximum = maximum;
            for (int i = 0; i < maximum; ++i) info.locations[i] = i + 1;
            info.nextLocation = nextLocation;
            return take(infoResults, infoResult);
        };
        c.read = [this](TCalendarEntry& entry, int32_t location) {
            log.push_back("read " + std::to_string(location));
            const uint8_t scripted = take(readResults, 0);
            if (scripted != 0) return scripted;
            const auto found = notes.find(location);
            if (found == notes.end()) return static_cast<uint8_t>(phonelib::stEmptyLocation);
            fill(entry, found->second);
            return static_cast<uint8_t>(phonelib::stDone);
        };
        c.write = [this](const TCalendarEntry& entry) {
            log.push_back("write " + std::to_string(entry.location));
            const uint8_t result = take(writeResults, phonelib::stDone);
            if (result == phonelib::stDone) written.push_back(entry);
            return result;
        };
        c.remove = [this](int32_t location) {
            log.push_back("delete " + std::to_string(location));
            return take(removeResults,
                        notes.erase(location) ? phonelib::stDone : phonelib::stNoSuchLocation);
        };
        return c;
    }
};

TEST(CalendarDownload, EveryNoteIsReadIntoAFreshRecord) {
    // A 7110 fills the silent flag only for birthdays and no alarm for memos.
    FakePhone phone;
    TCalendarEntry birthday;
    birthday.noteType = ntBirthday;
    birthday.text = "Anna";
    birthday.date = {2000, 5, 4, 23, 59, 58, 0};
    birthday.alarmTime = {2000, 5, 4, 9, 0, 0, 0};
    birthday.alarmSet = 1;
    birthday.silent = 1;
    birthday.birthYear = 1978;
    birthday.noEnd = 1;
    TCalendarEntry memo;
    memo.noteType = ntReminder;
    memo.text = "Notiz ohne Alarm, aber mit einem langen Text";
    memo.date = {2024, 6, 12, 0, 0, 0, 0};
    memo.noEnd = 1;
    TCalendarEntry meeting;
    meeting.noteType = ntMeeting;
    meeting.text = "Besprechung";
    meeting.date = {2024, 6, 12, 14, 30, 0, 0};
    meeting.alarmTime = {2024, 6, 12, 14, 15, 0, 0};
    meeting.alarmSet = 1;
    meeting.noEnd = 1;
    phone.notes = {{1, birthday}, {2, meeting}, {3, memo}};
    phone.maximum = 3;
    phone.fill = [](TCalendarEntry& out, const TCalendarEntry& in) {
        out.noteType = in.noteType;
        out.text = in.text;
        out.date = in.date;
        out.noEnd = in.noEnd;
        if (in.noteType != ntReminder) {
            out.alarmSet = in.alarmSet;
            out.alarmTime = in.alarmTime;
        }
        if (in.noteType == ntBirthday) {
            out.silent = in.silent;
            out.birthYear = in.birthYear;
        }
    };
    CalendarDownload download(phone.calls(), kNokia7110, 2024);
    while (!transferOver(download.step())) {
    }
    ASSERT_EQ(download.state(), TransferState::Done) << download.summary().toStdString();
    ASSERT_EQ(download.table().count(), 3);
    const CalendarNote& birthdayNote = download.table().at(0);
    const CalendarNote& meetingNote = download.table().at(2);
    const CalendarNote& memoNote = download.table().at(1);  // 00:00 comes first
    EXPECT_EQ(noteText(birthdayNote.text), "Anna");
    EXPECT_EQ(birthdayNote.silent, 1);
    EXPECT_EQ(birthdayNote.alarm.year, 2024) << "a 7110 birthday's alarm in the shown year";
    EXPECT_EQ(meetingNote.silent, 0) << "the meeting does not inherit the birthday's silent flag";
    EXPECT_EQ(meetingNote.alarmOn, 1);
    EXPECT_EQ(memoNote.alarmOn, 0) << "nor the memo the meeting's alarm";
    EXPECT_EQ(memoNote.text.size(), 44u) << "texts stay whole";
}

TEST(CalendarDownload, SiemensNotesKeepTheirEndAndGapsAreSkipped) {
    FakePhone phone;
    TCalendarEntry meeting;
    meeting.noteType = ntMeeting;
    meeting.text = "Treffen";
    meeting.date = {2024, 6, 12, 14, 0, 0, 0};
    meeting.alarmTime = {2024, 6, 12, 15, 30, 0, 0};
    TCalendarEntry open = meeting;
    open.noEnd = 1;
    phone.notes = {{2, meeting}, {5, open}};
    CalendarDownload download(phone.calls(), kSiemensS45, 2024);
    while (!transferOver(download.step())) {
    }
    ASSERT_EQ(download.table().count(), 2);
    EXPECT_EQ(download.table().at(0).noEnd, 0);
    EXPECT_EQ(timestampText(download.table().at(0).end), "202406121530");
    EXPECT_EQ(download.table().at(1).noEnd, 1);
    EXPECT_EQ(phone.log.back(), "read 5") << "the last note is read once more";
    EXPECT_EQ(std::count(phone.log.begin(), phone.log.end(), "read 5"), 2);
    EXPECT_EQ(download.usedLocations(), (std::vector<int32_t>{2, 5}));
}

TEST(CalendarDownload, A61xxStopsAtTheFirstGapAndHasNoEnd) {
    FakePhone phone;
    TCalendarEntry note;
    note.text = "a";
    note.date = {2024, 1, 1, 8, 0, 0, 0};
    phone.notes = {{1, note}, {3, note}};
    CalendarDownload download(phone.calls(), kNokia6110, 2024);
    while (!transferOver(download.step())) {
    }
    EXPECT_EQ(download.table().count(), 1);
    EXPECT_EQ(phone.log.back(), "read 2");
    EXPECT_EQ(download.table().at(0).noEnd, 1) << "the driver leaves it 0";
}

TEST(CalendarDownload, FailuresSayWhatWasNotRead) {
    FakePhone phone;
    phone.infoResult = phonelib::stNoAnswer;
    CalendarDownload nothing(phone.calls(), kNokia7110, 2024);
    while (!transferOver(nothing.step())) {
    }
    EXPECT_EQ(nothing.state(), TransferState::Failed);
    EXPECT_FALSE(nothing.hasTable()) << "the old table stays";
    EXPECT_TRUE(nothing.summary().contains("Status 3")) << nothing.summary().toStdString();

    FakePhone flaky;
    TCalendarEntry note;
    note.text = "x";
    flaky.maximum = 4;
    flaky.notes = {{1, note}, {2, note}, {3, note}, {4, note}};
    // Location 2 fails three times, location 3 once; the library is busy once.
    flaky.readResults = {phonelib::stCallInProgress, 0,
                         phonelib::stNoAnswer,       phonelib::stNoAnswer,
                         phonelib::stNoAnswer,       phonelib::stRefused};
    CalendarDownload download(flaky.calls(), kNokia7110, 2024);
    int busy = 0;
    while (!transferOver(download.step())) busy += download.busy();
    EXPECT_EQ(busy, 1);
    EXPECT_EQ(download.state(), TransferState::Incomplete);
    EXPECT_EQ(download.table().count(), 3);
    EXPECT_TRUE(download.summary().contains("Platz 2.")) << download.summary().toStdString();

    FakePhone lost;
    lost.maximum = 3;
    lost.notes = {{1, note}, {2, note}, {3, note}};
    lost.readResults = {0, phonelib::stNotConnected};
    CalendarDownload cut(lost.calls(), kNokia7110, 2024);
    while (!transferOver(cut.step())) {
    }
    EXPECT_EQ(cut.state(), TransferState::LinkLost);
    EXPECT_EQ(cut.table().count(), 1) << "what was read stays";
    EXPECT_TRUE(cut.summary().contains("ab 2")) << cut.summary().toStdString();
}

TEST(CalendarUpload, A61xxIsClearedWithinItsMaximumAndEveryFailedWriteCounts) {
    FakePhone phone;
    phone.maximum = 5;
    phone.removeResults = std::deque<uint8_t>(100, phonelib::stDone);  // a phone that never empties
    phone.writeResults = {phonelib::stDone, phonelib::stNoAnswer};
    std::vector<CalendarNote> notes = fixedTable();
    notes.resize(3);
    CalendarUpload upload(phone.calls(), kNokia6110, notes);
    while (!transferOver(upload.step())) {
    }
    EXPECT_EQ(std::count(phone.log.begin(), phone.log.end(), "delete 1"), 5);
    EXPECT_EQ(upload.state(), TransferState::Incomplete);
    EXPECT_EQ(upload.written(), 2);
    EXPECT_TRUE(upload.summary().contains("Anruf Anna (Status 3)"))
        << upload.summary().toStdString();
    EXPECT_EQ(phone.written.at(0).noEnd, 0);
    EXPECT_EQ(phone.written.at(1).birthYear, 1978) << "the birthday after the failed call";
}

TEST(CalendarUpload, TooManyNotesDeleteNothing) {
    FakePhone phone;
    phone.maximum = 2;
    CalendarUpload upload(phone.calls(), kNokia6110, fixedTable());
    while (!transferOver(upload.step())) {
    }
    EXPECT_EQ(upload.state(), TransferState::Failed);
    EXPECT_EQ(phone.log, std::vector<std::string>{"info"});
    EXPECT_TRUE(upload.summary().contains("fasst nur 2")) << upload.summary().toStdString();
}

TEST(CalendarUpload, A7110AsksForEachLocationAndSkipsANoteWithoutOne) {
    FakePhone phone;
    phone.maximum = 3;
    phone.notes = {{1, {}}, {2, {}}, {3, {}}};
    phone.nextLocation = 7;
    // info for the upload, then one before each write: the second fails.
    phone.infoResults = {phonelib::stDone, phonelib::stDone, phonelib::stRefused};
    std::vector<CalendarNote> notes = fixedTable();
    notes.resize(3);
    CalendarUpload upload(phone.calls(), kNokia7110, notes);
    while (!transferOver(upload.step())) {
    }
    EXPECT_EQ(phone.log, (std::vector<std::string>{"info", "delete 1", "delete 2", "delete 3",
                                                   "info", "write 7", "info", "info", "write 7"}));
    EXPECT_EQ(upload.state(), TransferState::Incomplete);
    EXPECT_EQ(upload.written(), 2);
}

TEST(CalendarUpload, ASiemensPhoneIsWrittenByLocationAndItsSurplusDeleted) {
    FakePhone phone;
    phone.maximum = 6;
    phone.notes = {{1, {}}, {2, {}}, {3, {}}, {4, {}}, {5, {}}};
    std::vector<CalendarNote> notes = fixedTable();
    notes.resize(2);
    CalendarUpload upload(phone.calls(), kSiemensS45, notes);
    while (!transferOver(upload.step())) {
    }
    EXPECT_EQ(upload.state(), TransferState::Done);
    EXPECT_EQ(phone.log, (std::vector<std::string>{"info", "write 1", "write 2", "delete 3",
                                                   "delete 4", "delete 5", "delete 6"}));
    // Appending writes beside the notes the phone holds.
    FakePhone beside;
    beside.maximum = 4;
    CalendarUpload append(beside.calls(), kSiemensS45, notes, CalendarUpload::Mode::Append, {1, 2});
    while (!transferOver(append.step())) {
    }
    EXPECT_EQ(beside.log, (std::vector<std::string>{"info", "write 3", "write 4"}));
}

}  // namespace
}  // namespace corvina
