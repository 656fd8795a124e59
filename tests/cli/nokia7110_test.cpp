// corvina-cli with a phone of the 7110 family: message folders, copying and
// moving messages between them, entries with several numbers and texts,
// calendar notes at the location the phone names, profiles in this family's
// codes, and deleting the operator logo of the phone's network.
#include <gtest/gtest.h>

#include <chrono>

#include "phonesim/simulator.h"
#include "tests/cli/runcli.h"

using testing_support::runCli;

namespace {

class Cli7110 : public ::testing::Test {
  protected:
    void SetUp() override {
        port = sim.startPty();
        ASSERT_FALSE(port.isEmpty());
    }
    phonesim::Simulator sim{phonesim::Fixture::forModel("NSE-5")};
    QString port;
};

TEST_F(Cli7110, FoldersListCopyAndMove) {
    auto run = runCli(port, {"sms", "folders"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "8\tEingang\t2\n16\tAusgang\t1\n24\tArchiv\t1\n32\tVorlagen\t1\n");

    run = runCli(port, {"sms", "list", "--folder", "8"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "1\tEingang\tungelesen\t+491701234567\t12.05.01\t10:30:45\tHallo, wie geht's?\n"
              "2\tEingang\tgelesen\t+4930123456\t11.05.01\t08:15:00\tTreffen um 8\n");
    run = runCli(port, {"sms", "list"});
    EXPECT_NE(run.out.find("1\tArchiv\tgelesen\t+4930123456"), std::string::npos) << run.out;
    EXPECT_EQ(runCli(port, {"sms", "list", "--folder", "9"}).exitCode, 2);

    run = runCli(port, {"sms", "copy", "1", "24"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Nachricht kopiert\tArchiv\t2\n");
    auto folders = sim.fixture().messages.folders;
    EXPECT_EQ(folders[2].messages.at(2).text, QStringLiteral("Hallo, wie geht's?"));
    EXPECT_TRUE(folders[0].messages.contains(1));

    run = runCli(port, {"sms", "move", "2", "24", "--folder", "8"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Nachricht verschoben\tArchiv\t3\n");
    folders = sim.fixture().messages.folders;
    EXPECT_EQ(folders[2].messages.at(3).text, QStringLiteral("Treffen um 8"));
    EXPECT_FALSE(folders[0].messages.contains(2));

    run = runCli(port, {"sms", "read", "1"});  // the first folder
    EXPECT_EQ(run.out.substr(0, 10), "1\tEingang\t") << run.out;
    ASSERT_EQ(runCli(port, {"sms", "delete", "1", "--folder", "24"}).exitCode, 0);
    EXPECT_FALSE(sim.fixture().messages.folders[2].messages.contains(1));
}

TEST_F(Cli7110, PhonebookCalendarProfileAndLogo) {
    auto run = runCli(port, {"phonebook", "read", "phone", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "2\tAnna Meier\t+491701234567\tFamilie\t030123456\t0307654321\tanna@example.org\t"
              "Lindenallee 4, 10115 Berlin\tGeburtstag im August\n");
    ASSERT_EQ(runCli(port, {"phonebook", "write", "phone", "700", "Ute", "0301", "2"}).exitCode, 0);
    EXPECT_EQ(sim.fixture().phonebook.phone.entries.at(700).name, QStringLiteral("Ute"));

    run = runCli(port, {"calendar", "add", "meeting", "2001-07-02 08:30", "Zahnarzt",
                        "alarm=2001-07-02 08:00"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto notes = sim.fixture().data.calendar.notes;
    const auto note = std::find_if(notes.begin(), notes.end(),
                                   [](const auto& n) { return n.text == "Zahnarzt"; });
    ASSERT_NE(note, notes.end());
    EXPECT_EQ(note->location, 4);  // the location the phone named
    run = runCli(port, {"calendar", "list"});
    EXPECT_NE(run.out.find("4\tSitzung\t2001-07-02 08:30\t2001-07-02 08:00\tZahnarzt"),
              std::string::npos)
        << run.out;

    run = runCli(port, {"profile", "set", "1", "name=Kino", "volume=5", "mode=5"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto profile = sim.fixture().data.profiles[1];
    EXPECT_EQ(profile.name, QStringLiteral("Kino"));
    EXPECT_EQ(profile.volume, 4);  // this family's code for volume 5
    EXPECT_EQ(profile.ringingMode, 5);
    EXPECT_NE(run.out.find("volume\t5"), std::string::npos) << run.out;

    run = runCli(port, {"logo", "delete"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Betreiberlogo gelöscht\t26201\n");
    ASSERT_TRUE(sim.waitForRequest(0x0A, std::chrono::seconds(5), 4));
    EXPECT_FALSE(sim.fixture().data.operatorLogo.has_value());
}

TEST(CliFolders, The61xxFamilyHasNone) {
    phonesim::Simulator sim(phonesim::Fixture::forModel("NSE-3"));
    const QString port = sim.startPty();
    const auto run = runCli(port, {"sms", "folders"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("keine Nachrichtenordner"), std::string::npos) << run.err;
}

}  // namespace
