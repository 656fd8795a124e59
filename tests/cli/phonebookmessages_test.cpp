// corvina-cli phonebook, groups, speeddial, sms and smsc as programs against
// the simulated phone.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "phonesim/simulator.h"
#include "tests/cli/runcli.h"

using testing_support::runCli;

namespace {

class CliPhone : public ::testing::Test {
  protected:
    void SetUp() override {
        port = sim.startPty();
        ASSERT_FALSE(port.isEmpty());
    }
    phonesim::Simulator sim{phonesim::Fixture::forModel("NSE-3")};
    QString port;
};

TEST_F(CliPhone, PhonebookReadWriteAndClear) {
    auto run = runCli(port, {"phonebook", "read", "sim"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "1\tAnna\t+4930123456\tFamilie\n2\tBüro\t0301234567\tKollegen\n5\tTaxi\t+"
              "49302020\tKeine\n");
    EXPECT_NE(run.err.find("Lese Platz 5 von 250"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Lese Platz 6 "), std::string::npos);  // all three found by then

    run = runCli(port, {"phonebook", "write", "phone", "7", "Jörg", "+4917012", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(sim.fixture().phonebook.phone.entries.at(7),
              (phonesim::PhonebookEntry{"Jörg", "+4917012", 1}));
    run = runCli(port, {"phonebook", "read", "phone", "7"});
    EXPECT_EQ(run.out, "7\tJörg\t+4917012\tVIP\n");

    run = runCli(port, {"phonebook", "clear", "phone", "7"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(sim.fixture().phonebook.phone.entries.contains(7));

    run = runCli(
        port, {"phonebook", "write", "sim", "1", std::string(100, 'x').c_str(), QString(93, '1')});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("zu lang"), std::string::npos) << run.err;
    EXPECT_EQ(runCli(port, {"phonebook", "read", "fax"}).exitCode, 2);
}

TEST_F(CliPhone, GroupsAndSpeedDials) {
    auto run = runCli(port, {"groups"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "0\tFamilie\t16\t72x14");

    run = runCli(port, {"speeddial", "write", "4", "sim", "5"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = runCli(port, {"speeddial", "read"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "2\tsim\t1\tAnna\t+4930123456\n4\tsim\t5\tTaxi\t+49302020\n"
              "9\tphone\t1\tMailbox\t3311\n");
}

TEST_F(CliPhone, MessagesListSendDeleteAndCentre) {
    auto run = runCli(port, {"sms", "list"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "1\tEingang\tungelesen\t+491701234567\t12.05.01\t10:30:45\tHallo, wie geht's?");
    EXPECT_NE(run.out.find("4\tAusgang\tgelesen\t0301234567"), std::string::npos) << run.out;

    EXPECT_EQ(runCli(port, {"smsc"}).out, "+491722270333\n");

    run = runCli(port, {"sms", "send", "+491701234567", "Grüße", "--flash"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QTemporaryDir dir;
    const QString tone = dir.filePath("tone.txt");
    std::ofstream(tone.toStdString()) << "Test:d=4,o=5,b=125:c,e,g\n";
    run = runCli(port, {"sms", "send-ringtone", "0301234567", tone});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto received = sim.fixture().messages.received;
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].text, "Grüße");
    EXPECT_EQ(received[0].dcs, 0xF0);
    EXPECT_EQ(received[1].port, 0x1581);

    run = runCli(port, {"sms", "send-ringtone", "0301234567", dir.filePath("tone.wav")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Dateityp"), std::string::npos) << run.err;

    ASSERT_EQ(runCli(port, {"sms", "delete", "2"}).exitCode, 0);
    EXPECT_FALSE(sim.fixture().messages.stored.contains(2));
    run = runCli(port, {"sms", "read", "2"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("leer"), std::string::npos) << run.err;
}

}  // namespace
