// Notes as iCalendar: every kind of note written, parsed by libical and read
// back; files as other programs write them; the calendar folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <ctime>

#include "codecs/tools/filebytes.h"
#include "corvina/calendar/calendarfolder.h"
#include "corvina/calendar/icalendarnotes.h"
#include "corvina/calendar/notetable.h"
#include "tests/corvina/calendar/fixedtable.h"

namespace corvina {
namespace {

using testing_calendar::dataFile;
using testing_calendar::fixedTable;
using testing_calendar::makeNote;

constexpr uint8_t kNokia6110 = 14;
constexpr uint8_t kSiemensC45 = 7;
const QDate kToday(2024, 1, 1);

class ICalendar : public ::testing::Test {
  protected:
    void SetUp() override {
        oldZone_ = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    void TearDown() override {
        if (oldZone_.isEmpty()) {
            qunsetenv("TZ");
        } else {
            qputenv("TZ", oldZone_);
        }
        tzset();
    }

    static std::vector<CalendarNote> roundTrip(const std::vector<CalendarNote>& notes,
                                               uint8_t model) {
        const NoteFileRead read = readIcsFile(writeIcsFile(notes, model), model, kToday);
        EXPECT_TRUE(read.ok()) << read.error.toStdString();
        return read.notes;
    }

    static void expectSame(const CalendarNote& read, const CalendarNote& written) {
        const std::string name = noteText(written.text).toStdString();
        EXPECT_EQ(read.type, written.type) << name;
        EXPECT_EQ(read.text, written.text) << name;
        EXPECT_EQ(timestampText(read.start), timestampText(written.start)) << name;
        EXPECT_EQ(read.repeat, written.repeat) << name;
        EXPECT_EQ(read.alarmOn, written.alarmOn) << name;
        if (written.alarmOn) {
            EXPECT_EQ(timestampText(read.alarm), timestampText(written.alarm)) << name;
        }
        EXPECT_EQ(read.silent, written.silent) << name;
        EXPECT_EQ(read.birthYear, written.birthYear) << name;
        EXPECT_EQ(read.number, written.number) << name;
        EXPECT_EQ(read.status, written.status) << name;
        EXPECT_EQ(read.noEnd, written.noEnd) << name;
    }

    QByteArray oldZone_;
};

TEST_F(ICalendar, EveryKindOfNoteComesBack) {
    std::vector<CalendarNote> notes = fixedTable();
    notes.erase(notes.begin() + 3);  // the task goes to a Siemens phone below
    for (const uint16_t repeat : {kRepeatDaily, kRepeatMonthly, kRepeatYearly}) {
        CalendarNote meeting = notes[0];
        meeting.repeat = repeat;
        meeting.text = "Wiederholt " + std::to_string(repeat);
        notes.push_back(meeting);
    }
    CalendarNote leap = makeNote(ntBirthday, "Schaltkind", {1996, 2, 29, 0, 0, 0, 0},
                                 {2024, 2, 29, 8, 0, 0, 0}, true);
    leap.birthYear = 1996;
    notes.push_back(leap);
    notes.push_back(makeNote(ntReminder, "Ganzer Tag", {2024, 4, 2, 0, 0, 0, 0}, {}, false));
    const std::vector<CalendarNote> read = roundTrip(notes, kNokia6110);
    ASSERT_EQ(read.size(), notes.size());
    for (size_t i = 0; i < notes.size(); ++i) expectSame(read[i], notes[i]);

    const std::string text = writeIcsFile(notes, kNokia6110);
    EXPECT_NE(text.find("BYMONTHDAY=-1"), std::string::npos);
    EXPECT_NE(text.find("BYMONTH=2"), std::string::npos);
    EXPECT_NE(text.find("X-CORVINA-SILENT:TRUE"), std::string::npos);
    EXPECT_NE(text.find("FREQ=HOURLY;INTERVAL=36"), std::string::npos);
    EXPECT_NE(text.find("DTSTART;TZID=Europe/Berlin:20240612T143000"), std::string::npos);
    EXPECT_NE(text.find("BEGIN:VTIMEZONE"), std::string::npos);
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:19780504"), std::string::npos);
    EXPECT_NE(text.find("CONTACT:0123"), std::string::npos);
}

TEST_F(ICalendar, TasksAndEndsOfASiemensPhone) {
    const CalendarNote task = fixedTable()[3];
    const std::string text = writeIcsFile({task}, kSiemensC45);
    EXPECT_NE(text.find("BEGIN:VTODO"), std::string::npos);
    EXPECT_NE(text.find("STATUS:COMPLETED"), std::string::npos);
    EXPECT_NE(text.find("DUE;TZID=Europe/Berlin:20240310T110000"), std::string::npos);
    EXPECT_NE(text.find("TRIGGER:PT0S"), std::string::npos);
    const std::vector<CalendarNote> read = roundTrip({task}, kSiemensC45);
    ASSERT_EQ(read.size(), 1u);
    expectSame(read[0], task);
    EXPECT_EQ(timestampText(read[0].end), "202403101100");
    // A phone without tasks takes it as a reminder.
    EXPECT_EQ(readIcsFile(text, kNokia6110, kToday).notes.at(0).type, ntReminder);
}

TEST_F(ICalendar, FilesOfOtherPrograms) {
    NoteFileRead read = readIcsFile(dataFile("vtimezone.ics"), kNokia6110, kToday);
    ASSERT_EQ(read.notes.size(), 1u) << read.error.toStdString();
    EXPECT_EQ(read.notes[0].type, ntMeeting);
    EXPECT_EQ(timestampText(read.notes[0].start), "202406121430");
    EXPECT_EQ(timestampText(read.notes[0].alarm), "202406121415");
    EXPECT_EQ(read.notes[0].alarmOn, 1);
    read = readIcsFile(dataFile("vtimezone.ics"), 8, kToday);
    EXPECT_EQ(timestampText(read.notes.at(0).alarm), "202406121530") << "Siemens: the end";
    EXPECT_EQ(read.notes[0].noEnd, 0);

    read = readIcsFile(dataFile("utc.ics"), kNokia6110, kToday);
    EXPECT_EQ(timestampText(read.notes.at(0).start), "202401151000") << "UTC into the PC's zone";

    read = readIcsFile(dataFile("floating.ics"), kNokia6110, kToday);
    EXPECT_EQ(timestampText(read.notes.at(0).start), "202403010830");
    EXPECT_EQ(read.notes[0].type, ntCall);
    EXPECT_EQ(read.notes[0].number, "+49301234567");

    read = readIcsFile(dataFile("allday.ics"), kNokia6110, kToday);
    ASSERT_EQ(read.notes.size(), 2u);
    EXPECT_EQ(read.notes[0].type, ntBirthday);
    EXPECT_EQ(read.notes[0].birthYear, 1940);
    EXPECT_EQ(timestampText(read.notes[1].start), "202408050000");
    EXPECT_EQ(read.notes[1].type, ntReminder);

    read = readIcsFile(dataFile("folded.ics"), kNokia6110, kToday);
    EXPECT_EQ(noteText(read.notes.at(0).text),
              "Geburtstagsfeier bei Jürgen und Björn mit Kuchen ?");
    ASSERT_EQ(read.notices.size(), 1);
    EXPECT_TRUE(read.notices[0].startsWith("1 Zeichen")) << read.notices[0].toStdString();

    read = readIcsFile(dataFile("vtodo.ics"), kSiemensC45, kToday);
    EXPECT_EQ(read.notes.at(0).type, ntTask);
    EXPECT_EQ(read.notes[0].status, 1);
    EXPECT_EQ(timestampText(read.notes[0].start), "202404101700");
}

TEST_F(ICalendar, SeriesOfOtherFormsAreExpandedAndChangedSeriesRefused) {
    NoteFileRead read = readIcsFile(dataFile("byday.ics"), kNokia6110, kToday);
    QStringList starts;
    for (const CalendarNote& n : read.notes)
        starts << QString::fromStdString(timestampText(n.start));
    EXPECT_EQ(starts, (QStringList{"202401080700", "202401100700", "202401150700", "202401170700",
                                   "202401220700", "202401240700"}));
    EXPECT_EQ(read.notes.at(0).repeat, 0);

    read = readIcsFile(dataFile("exdate.ics"), kNokia6110, kToday);
    starts.clear();
    for (const CalendarNote& n : read.notes)
        starts << QString::fromStdString(timestampText(n.start));
    EXPECT_EQ(starts, (QStringList{"202401022000", "202401042000", "202401052000"}));

    read = readIcsFile(dataFile("recurrenceid.ics"), kNokia6110, kToday);
    ASSERT_EQ(read.notes.size(), 1u);
    EXPECT_EQ(noteText(read.notes[0].text), "Mittag");
    ASSERT_EQ(read.notices.size(), 1);
    EXPECT_TRUE(read.notices[0].contains("RECURRENCE-ID")) << read.notices[0].toStdString();

    // An endless daily series: the next twelve months, at most 50 notes.
    const std::string daily =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:d\r\nDTSTAMP:20200101T000000Z\r\n"
        "DTSTART:20200101T060000\r\nRRULE:FREQ=DAILY;INTERVAL=2\r\nSUMMARY:Laufen\r\n"
        "END:VEVENT\r\nEND:VCALENDAR\r\n";
    read = readIcsFile(daily, kNokia6110, kToday);
    EXPECT_EQ(read.notes.size(), 50u);
    EXPECT_EQ(timestampText(read.notes.at(0).start), "202401020600");
}

TEST_F(ICalendar, DamagedFilesAreRefusedWithTheirLine) {
    NoteFileRead read = readIcsFile(dataFile("damaged.ics"), kNokia6110, kToday);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.error.startsWith("Zeile 6")) << read.error.toStdString();
    read = readIcsFile("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:x\r\nEND:VEVENT\r\n", kNokia6110,
                       kToday);
    EXPECT_FALSE(read.ok());
    EXPECT_FALSE(readIcsFile("kein Kalender", kNokia6110, kToday).ok());
}

TEST_F(ICalendar, FolderExportAndTakeOverAddNothingTheSecondTime) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("calendars");
    QDir().mkpath(folder);
    const std::string foreign = dataFile("vtimezone.ics");
    ASSERT_TRUE(tools::writefileatomically(QDir(folder).filePath("thunderbird-1.ics").toStdString(),
                                           foreign));

    FolderExport exported = exportToFolder(folder, fixedTable(), kNokia6110, kToday);
    EXPECT_EQ(exported.written, 5);
    EXPECT_TRUE(exported.failed.isEmpty());
    exported = exportToFolder(folder, fixedTable(), kNokia6110, kToday);
    EXPECT_EQ(exported.written, 0);
    EXPECT_EQ(exported.duplicates, 5);
    EXPECT_EQ(QDir(folder).entryList({"*.ics"}, QDir::Files).size(), 6);
    EXPECT_EQ(
        *tools::readfilebytes(QDir(folder).filePath("thunderbird-1.ics").toStdString(), 1 << 20),
        foreign)
        << "other programs' files stay untouched";

    const FolderListing listing = readCalendarFolder(folder, kNokia6110, kToday);
    ASSERT_EQ(listing.entries.size(), 6u);
    std::vector<CalendarNote> all;
    for (const FolderEntry& entry : listing.entries) {
        EXPECT_TRUE(entry.problem.isEmpty()) << entry.problem.toStdString();
        all.insert(all.end(), entry.event.notes.begin(), entry.event.notes.end());
    }
    NoteTable table;
    EXPECT_EQ(takeOver(table, all).taken, 6);
    const TakeOverCount again = takeOver(table, all);
    EXPECT_EQ(again.taken, 0);
    EXPECT_EQ(again.duplicates, 6);
}

}  // namespace
}  // namespace corvina
