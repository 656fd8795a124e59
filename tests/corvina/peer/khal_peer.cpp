// An independent calendar program against the calendar folder: khal (a
// Debian package built on another iCalendar implementation) must list the
// notes Corvina exported at their times, and Corvina must take over what
// khal created. Skipped when khal is not installed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <ctime>

#include "corvina/calendar/calendarfolder.h"
#include "corvina/calendar/notetable.h"

namespace corvina {
namespace {

constexpr uint8_t kNokia6110 = 14;

class Khal : public ::testing::Test {
  protected:
    void SetUp() override {
        khal_ = QStandardPaths::findExecutable(QStringLiteral("khal"));
        if (khal_.isEmpty())
            GTEST_SKIP()
                << "khal is not installed (Debian package khal; scripts/bootstrap.sh khal)";
        ASSERT_TRUE(dir_.isValid());
        qputenv("TZ", "Europe/Berlin");
        tzset();
        folder_ = dir_.filePath("calendars/corvina");
        QDir().mkpath(folder_);
        QFile config(dir_.filePath("khal.conf"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(("[calendars]\n[[corvina]]\npath = " + folder_ +
                      "\ntype = calendar\n[locale]\ntimeformat = %H:%M\ndateformat = %Y-%m-%d\n"
                      "longdateformat = %Y-%m-%d\ndatetimeformat = %Y-%m-%d %H:%M\n"
                      "longdatetimeformat = %Y-%m-%d %H:%M\nlocal_timezone = Europe/Berlin\n"
                      "default_timezone = Europe/Berlin\n[default]\ndefault_calendar = corvina\n"
                      "[sqlite]\npath = " +
                      dir_.filePath("khal.db") + "\n")
                         .toUtf8());
    }

    QString khal(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TZ", "Europe/Berlin");
        environment.insert("LC_ALL", "C.UTF-8");
        process.setProcessEnvironment(environment);
        process.start(khal_, QStringList{"-c", dir_.filePath("khal.conf")} + arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    static CalendarNote note(uint8_t type, const char* text, TDateTimeRec start) {
        CalendarNote n;
        n.type = type;
        n.text = text;
        n.start = start;
        n.alarm = start;
        return n;
    }

    QString khal_;
    QTemporaryDir dir_;
    QString folder_;
};

TEST_F(Khal, ListsTheExportedNotesAtTheirTimes) {
    CalendarNote birthday = note(ntBirthday, "Anna", {1978, 5, 4, 0, 0, 0, 0});
    birthday.birthYear = 1978;
    CalendarNote weekly = note(ntMeeting, "Chor", {2024, 6, 3, 19, 30, 0, 0});
    weekly.repeat = kRepeatWeekly;
    const std::vector<CalendarNote> notes = {
        note(ntMeeting, "Projekt", {2024, 6, 12, 14, 30, 0, 0}),
        note(ntCall, "Anruf Anna", {2024, 7, 1, 8, 15, 0, 0}), birthday, weekly};
    ASSERT_EQ(exportToFolder(folder_, notes, kNokia6110, QDate(2024, 1, 1)).written, 4);

    const QStringList format = {"list", "--format", "{start} {title}"};
    QString listed = khal(format + QStringList{"2024-06-12", "1d"});
    EXPECT_TRUE(listed.contains("2024-06-12 14:30 Projekt")) << listed.toStdString();
    EXPECT_TRUE(listed.contains("2024-06-12") && !listed.contains("Chor")) << listed.toStdString();
    listed = khal(format + QStringList{"2024-07-01", "1d"});
    EXPECT_TRUE(listed.contains("2024-07-01 08:15 Anruf Anna")) << listed.toStdString();
    listed = khal(format + QStringList{"2030-05-04", "1d"});
    EXPECT_TRUE(listed.contains("2030-05-04 Anna"))
        << "a birthday every year: " << listed.toStdString();
    listed = khal(format + QStringList{"2024-06-17", "1d"});
    EXPECT_TRUE(listed.contains("2024-06-17 19:30 Chor")) << listed.toStdString();
}

TEST_F(Khal, EventsKhalCreatesAreTakenOver) {
    khal({"new", "2024-08-20", "18:00", "19:00", "Grillfest"});
    khal({"new", "2024-09-01", "Umzug"});
    const FolderListing listing = readCalendarFolder(folder_, kNokia6110, QDate(2024, 1, 1));
    ASSERT_EQ(listing.entries.size(), 2u);
    std::map<QString, CalendarNote> notes;
    for (const FolderEntry& entry : listing.entries) {
        ASSERT_TRUE(entry.problem.isEmpty()) << entry.problem.toStdString();
        ASSERT_EQ(entry.event.notes.size(), 1u) << entry.event.how.toStdString();
        notes[entry.event.text] = entry.event.notes.front();
    }
    EXPECT_EQ(timestampText(notes["Grillfest"].start), "202408201800");
    EXPECT_EQ(timestampText(notes["Umzug"].start), "202409010000");
    NoteTable table;
    std::vector<CalendarNote> all;
    for (const auto& [text, n] : notes) all.push_back(n);
    EXPECT_EQ(takeOver(table, all).taken, 2);
    EXPECT_EQ(takeOver(table, all).taken, 0);
}

}  // namespace
}  // namespace corvina
