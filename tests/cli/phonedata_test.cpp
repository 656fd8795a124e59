// corvina-cli logo, ringtone, profile, divert, calendar and wap commands as a
// program against the simulated phone.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>

#include "phonesim/fixture/ringtonenotes.h"
#include "phonesim/simulator.h"
#include "tests/cli/runcli.h"

using testing_support::runCli;

namespace {

constexpr std::chrono::seconds kWait{5};

class CliPhoneData : public ::testing::Test {
  protected:
    void SetUp() override {
        port = sim.startPty();
        ASSERT_FALSE(port.isEmpty());
    }

    QString write(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    // A NOL file of operator 262 01: header, then one '0' or '1' per pixel.
    static QByteArray nol(int width, int height) {
        QByteArray bytes = QByteArray::fromHex(
            "4E4F4C000100"
            "0601"
            "0100");
        bytes += char(width);
        bytes += '\0';
        bytes += char(height);
        bytes += '\0';
        bytes += QByteArray::fromHex("010001005300");
        for (int i = 0; i < width * height; ++i) bytes += (i % 7 == 0 || i % 11 == 0) ? '1' : '0';
        return bytes;
    }

    phonesim::Simulator sim{phonesim::Fixture::forModel("NSE-3")};
    QString port;
    QTemporaryDir dir;
};

TEST_F(CliPhoneData, LogosGoToThePhoneAndComeBack) {
    const QString logo = write("betreiber.nol", nol(72, 14));
    auto run = runCli(port, {"logo", "set", "operator", "26201", logo});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Uploads are not answered: the phone may still be reading when the tool ends.
    ASSERT_TRUE(sim.waitForRequest(0x05, kWait, 1));
    EXPECT_EQ(sim.fixture().data.operatorLogo->networkCode, QStringLiteral("26201"));

    const QString back = dir.filePath("zurueck.nol");
    run = runCli(port, {"logo", "get", "operator", back});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QFile original(logo), copy(back);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll().mid(20), original.readAll().mid(20));  // the same pixels

    run = runCli(port, {"logo", "set", "startup", write("start.nol", nol(84, 48))});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(sim.waitForRequest(0x05, kWait, 3));
    EXPECT_EQ(sim.fixture().data.startupLogo->width, 84);
    const QString bmp = dir.filePath("start.bmp");
    run = runCli(port, {"logo", "get", "startup", bmp});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(QFile::exists(bmp));

    run = runCli(port, {"logo", "delete"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(sim.waitForRequest(0x05, kWait, 5));
    EXPECT_EQ(sim.fixture().data.operatorLogo->networkCode, QStringLiteral("00000"));

    run = runCli(port, {"logo", "set", "operator", "26", logo});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("Netzcode"), std::string::npos) << run.err;
}

TEST_F(CliPhoneData, RingtoneProfileAndDivert) {
    auto run = runCli(port, {"ringtone", "send", write("ton.txt", "Ton:d=4,o=6,b=100:c,e,g")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(sim.waitForRequest(0x12, kWait));
    const auto ringtones = sim.fixture().data.ringtones;
    ASSERT_EQ(ringtones.size(), 1u);
    EXPECT_EQ(phonesim::decodeRingtone(ringtones[0].bytes)->text(),
              QStringLiteral("Ton:b=100:4c6,4e6,4g6"));
    run = runCli(port, {"ringtone", "send", dir.filePath("fehlt.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Status 8"), std::string::npos) << run.err;

    run = runCli(port, {"profile", "set", "3", "volume=5", "mode=3", "name=Oper"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto profile = sim.fixture().data.profiles[3];
    EXPECT_EQ(profile.volume, 0x0A);
    EXPECT_EQ(profile.ringingMode, 0x02);
    EXPECT_EQ(profile.name, QStringLiteral("Oper"));
    EXPECT_EQ(profile.ringtone, 18);  // unchanged features keep their codes
    EXPECT_EQ(profile.callerGroups, 255);
    run = runCli(port, {"profile", "get", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("volume\t5\tStufe 5\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("mode\t3\tEinzelton\n"), std::string::npos) << run.out;
    // A value without a phone code is refused before anything is sent.
    run = runCli(port, {"profile", "set", "3", "volume=6"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("Wert für volume"), std::string::npos) << run.err;
    EXPECT_EQ(sim.fixture().data.profiles[3].volume, 0x0A);

    run = runCli(port, {"divert", "set", "voice", "busy", "+4930123", "20"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = runCli(port, {"divert", "get", "voice", "busy"});
    EXPECT_EQ(run.out, "voice\tbusy\taktiv\t+4930123\t20\n");
    run = runCli(port, {"divert", "clear", "0", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = runCli(port, {"divert", "get", "voice", "busy"});
    EXPECT_EQ(run.out, "voice\tbusy\tnicht aktiviert\t\t\n");
    run = runCli(port, {"divert", "set", "voice", "busy", "abc"});
    EXPECT_EQ(run.exitCode, 2);
}

TEST_F(CliPhoneData, CalendarAndBookmarks) {
    auto run = runCli(port, {"calendar", "add", "call", "2024-07-01 08:15", "Anruf Anna",
                             "number=0301234", "alarm=2024-07-01 08:00"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = runCli(port, {"calendar", "list"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("3\tAnruf\t2024-07-01 08:15\t2024-07-01 08:00\tAnruf Anna\t0301234\n"),
              std::string::npos)
        << run.out;
    run = runCli(port, {"calendar", "delete", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = runCli(port, {"calendar", "delete", "3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Status 17"), std::string::npos) << run.err;

    run = runCli(port, {"wap", "set",
                        write("links.txt",
                              "1\tCorvina\twap.corvina.example\n\n"
                              "2\tWetter\twap.wetter.example\n")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = runCli(port, {"wap", "list"});
    EXPECT_EQ(run.out, "1\tCorvina\twap.corvina.example\n2\tWetter\twap.wetter.example\n");
}

}  // namespace
