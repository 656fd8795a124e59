// corvina-cli calendar export and import against the simulated 6110: the
// phone's calendar into a .cal file and a calendar folder, an iCalendar
// file into the phone beside what it holds, a damaged file refused.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "phonesim/simulator.h"
#include "tests/cli/runcli.h"
#include "tests/support/scratchfiles.h"

using testing_support::runCli;

namespace {

class CliCalendarFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        port = sim.startPty();
        ASSERT_FALSE(port.isEmpty());
    }
    QString write(const QString& name, const QByteArray& content) {
        return QString::fromStdString(files.write(name, content));
    }
    QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    testing_support::ScratchFiles files;
    phonesim::Simulator sim{phonesim::Fixture::forModel("NSE-3")};
    QString port;
};

TEST_F(CliCalendarFiles, ExportToAFileAndAFolder) {
    const QString cal = dir.filePath("telefon.cal");
    auto run = runCli(port, {"calendar", "export", cal});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2 Notizen geschrieben\t" + cal.toStdString() + "\n");
    const QByteArray text = read(cal);
    EXPECT_TRUE(text.startsWith("REVISION:1.0\r\n"));
    EXPECT_TRUE(text.contains("TYPE:BIRTHDAY\r\nBIRTHYEAR:1978\r\nDESCRIPTION:Anna\r\n"));
    EXPECT_TRUE(text.contains("TIME:202406121430\r\nALARM:202406121415\r\n"));
    EXPECT_FALSE(text.contains("TIMEEND")) << "a 61xx phone has no end";

    const QString folder = dir.filePath("calendars") + "/";
    run = runCli(port, {"calendar", "export", folder});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2 Notizen geschrieben, 0 übersprungen (schon im Kalenderordner).\n");
    run = runCli(port, {"calendar", "export", folder});
    EXPECT_EQ(run.out, "0 Notizen geschrieben, 2 übersprungen (schon im Kalenderordner).\n");
    EXPECT_EQ(QDir(folder).entryList({"*.ics"}, QDir::Files).size(), 2);
}

TEST_F(CliCalendarFiles, ImportWritesWhatIsNewAndRefusesDamagedFiles) {
    const QString ics =
        write("neu.ics",
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n"
              "BEGIN:VEVENT\r\nUID:a\r\nDTSTAMP:20240101T000000Z\r\nDTSTART:20240612T143000\r\n"
              "SUMMARY:Projekt\r\nCATEGORIES:MEETING\r\nEND:VEVENT\r\n"
              "BEGIN:VEVENT\r\nUID:b\r\nDTSTAMP:20240101T000000Z\r\nDTSTART:20240901T090000\r\n"
              "SUMMARY:Elternabend\r\nCATEGORIES:Besprechung\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
              "DESCRIPTION:x\r\nTRIGGER:-PT30M\r\nEND:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    auto run = runCli(port, {"calendar", "import", ics});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "1 Notizen geschrieben\n1 übersprungen: schon im Telefon\n");
    const auto notes = sim.fixture().data.calendar.notes;
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[2].text, QStringLiteral("Elternabend"));
    EXPECT_EQ(notes[2].type, 3);  // meeting
    EXPECT_EQ(notes[2].alarm.hour, 8);
    EXPECT_EQ(notes[2].alarm.minute, 30);
    run = runCli(port, {"calendar", "import", ics});
    EXPECT_EQ(run.out, "0 Notizen geschrieben\n2 übersprungen: schon im Telefon\n")
        << "importing twice adds nothing";

    // A folder of .ics files, one of them damaged: the rest is written, the
    // damaged one named.
    QDir().mkpath(dir.filePath("ordner"));
    QFile event(dir.filePath("ordner/zahnarzt.ics"));
    ASSERT_TRUE(event.open(QIODevice::WriteOnly));
    event.write(
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:z\r\nDTSTAMP:20240101T000000Z\r\n"
        "DTSTART:20241105T073000\r\nSUMMARY:Zahnarzt\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    event.close();
    QFile broken(dir.filePath("ordner/kaputt.ics"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n");
    broken.close();
    run = runCli(port, {"calendar", "import", dir.filePath("ordner") + "/"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 22), "1 Notizen geschrieben\n");
    EXPECT_NE(run.out.find("kaputt.ics: Zeile 2"), std::string::npos) << run.out;
    EXPECT_EQ(sim.fixture().data.calendar.notes.size(), 4u);

    const QString damaged =
        write("kaputt.cal", "REVISION:1.0\r\nBEGIN:ENTRY\r\nTIME:2024\r\nEND:ENTRY\r\n");
    run = runCli(port, {"calendar", "import", damaged});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("kaputt.cal: Zeile 3"), std::string::npos) << run.err;
    EXPECT_EQ(sim.fixture().data.calendar.notes.size(), 4u);
}

}  // namespace
