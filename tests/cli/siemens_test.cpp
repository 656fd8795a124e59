// corvina-cli with --connection at against the simulated Siemens S45: the
// commands that make sense on it, the address book and the Siemens calendar.
#include <gtest/gtest.h>

#include "phonesim/simulator.h"
#include "tests/cli/runcli.h"
#include "tests/support/scratchfiles.h"

using testing_support::runCli;

namespace {

class CliSiemens : public ::testing::Test {
  protected:
    void SetUp() override {
        port_ = sim_.startPty();
        ASSERT_FALSE(port_.isEmpty());
    }
    testing_support::CliRun at(const QStringList& command) {
        return runCli(port_, command, {"--connection", "at"});
    }
    static bool has(const testing_support::CliRun& run, const std::string& text) {
        return run.out.find(text) != std::string::npos;
    }

    phonesim::Simulator sim_{phonesim::Fixture::forModel("S45")};
    QString port_;
};

TEST_F(CliSiemens, IdentityPhonebookMessagesAndSettings) {
    auto run = at({"identify"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(has(run, "Modell\tS45\tSiemens S45\n")) << run.out;
    EXPECT_TRUE(has(run, "LAC\t1A2B\n")) << run.out;
    EXPECT_FALSE(has(run, "Verworfene Rahmen")) << "no frames on an AT cable";

    run = at({"phonebook", "read", "sim"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(has(run, "2\tBüro\t0301234567\t \n")) << run.out;
    run = at({"phonebook", "read", "dialled"});
    EXPECT_TRUE(has(run, "1\tAnna\t+4930123456")) << run.out;  // the phone's index 1
    EXPECT_EQ(at({"phonebook", "write", "sim", "9", "Zoë", "+49301"}).exitCode, 0);
    EXPECT_EQ(sim_.fixture().phonebook.sim.entries.at(9).name, QStringLiteral("Zo?"))
        << "the GSM alphabet has no ë";

    run = at({"sms", "list"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(
        has(run, "2\tEingang\tungelesen\tD1-Info\t12.05.01\t10:30:45\tIhr Guthaben: 5 EUR\n"))
        << run.out;
    EXPECT_TRUE(has(run, "3\tEingang\tgelesen\t+491701234567\t12.05.01\t10:30:45\tGrüße €[\n"))
        << run.out;
    EXPECT_EQ(at({"sms", "send", "0171234567", "hello"}).exitCode, 0);
    ASSERT_EQ(sim_.fixture().siemens.sent.size(), 1u);

    run = at({"profile", "set", "0", "ringtone=5", "volume=2", "mode=3", "vibration=1"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(has(run, "mode\t3\tEinzelton\n")) << run.out;
    EXPECT_EQ(sim_.fixture().siemens.profile.ringtone, 4);
    run = at({"divert", "get", "voice", "noreply"});
    EXPECT_TRUE(has(run, "voice\tnoreply\taktiv\t+491771234567\t20\n")) << run.out;
    run = at({"speeddial", "read"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("nicht möglich"), std::string::npos) << run.err;
}

TEST_F(CliSiemens, AddressBookAndCalendar) {
    auto run = at({"addressbook", "write", "7", "Muster, Max", "home=+4930123", "mobile=0170999",
                   "street=Weg 1", "zip=12345", "city=Ort", "country=DE"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    run = at({"addressbook", "read"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(has(run,
                    "1\tMeier, Hans\t\thome=+4930111222\tmobile=01701112223\t"
                    "email=hans@example.org\n"))
        << run.out;
    EXPECT_TRUE(has(run,
                    "7\tMuster, Max\t\thome=+4930123\tmobile=0170999\t"
                    "address=Weg 1\\n12345 Ort\\nDE\n"))
        << run.out;
    EXPECT_EQ(at({"addressbook", "clear", "7"}).exitCode, 0);
    EXPECT_FALSE(sim_.fixture().siemens.addressBook.objects.contains(6));

    run = at({"calendar", "add", "task", "2001-06-01 12:00", "Steuer", "repeat=168"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    run = at({"calendar", "add", "meeting", "2001-06-02 10:00", "Treffen", "alarm",
              "end=2001-06-02 11:00", "at=9"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    run = at({"calendar", "list"});
    EXPECT_TRUE(has(run, "3\tAufgabe\t2001-06-01 12:00\t-\tSteuer\t2001-06-01 12:00\t168\n"))
        << run.out;
    EXPECT_TRUE(has(run, "9\tSitzung\t2001-06-02 10:00\tAlarm\tTreffen\t2001-06-02 11:00\t-\n"))
        << run.out;
    EXPECT_EQ(at({"calendar", "delete", "9"}).exitCode, 0);
    EXPECT_FALSE(sim_.fixture().siemens.calendar.objects.contains(9));
}

TEST_F(CliSiemens, LogosAndRingtonesAsObjects) {
    testing_support::ScratchFiles files;
    // A one-bit Windows bitmap of 16 x 2 pixels.
    const QByteArray bitmap = QByteArray::fromHex(
        "424D46000000000000003E000000280000001000000002000000010001000000000008000000130B0000130B"
        "00000200000000000000000000FFFFFF00F00F0000AAAA0000");
    const std::string file = files.write("logo.bmp", bitmap);
    auto run = at({"logo", "set", "screensaver", QString::fromStdString(file)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(sim_.fixture().siemens.logos.at(2), bitmap) << "sent as it is";
    const std::string back = files.path("back.bmp");
    run = at({"logo", "get", "screensaver", QString::fromStdString(back)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    QFile copy(QString::fromStdString(back));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), bitmap);
    EXPECT_EQ(at({"logo", "delete", "screensaver"}).exitCode, 0);

    const std::string tone = files.write("scale.txt", "Scale:d=8,o=5,b=180:c,d,e\r\n");
    run = at({"ringtone", "send", QString::fromStdString(tone)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(sim_.fixture().siemens.ringtones.size(), 1u);
    EXPECT_TRUE(sim_.fixture().siemens.ringtones[0].startsWith("MThd"));
}

}  // namespace
