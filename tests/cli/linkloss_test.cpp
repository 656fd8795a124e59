// corvina-cli reading a full SIM from a simulated phone that hangs up or
// falls silent half-way: the tool stops at once with one clear message,
// keeping the entries it has printed.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "phonesim/simulator.h"
#include "tests/cli/runcli.h"
#include "tests/support/fullphonebook.h"

using testing_support::fullSimName;
using testing_support::kFullSimEntries;

namespace {

// The phonebook requests of the tool before the entries: the capacity and
// six caller groups.
constexpr size_t kRequestsBeforeEntries = 7;
constexpr size_t kEntriesBeforeFault = 100;

class CliLinkLoss : public ::testing::Test {
  protected:
    void startRead(phonesim::LinkTiming timing = {}) {
        sim = std::make_unique<phonesim::Simulator>(testing_support::fullSimFixture(), timing);
        const QString port = sim->startPty();
        ASSERT_FALSE(port.isEmpty());
        testing_support::startCli(cli, port, {"phonebook", "read", "sim", "1-250"});
    }
    bool waitUntilHalfWay() {
        return sim->waitForRequest(0x03, std::chrono::seconds(60),
                                   kRequestsBeforeEntries + kEntriesBeforeFault);
    }

    // The entries printed, checked one by one: locations 1 to n in a row.
    int entriesPrinted() {
        const QStringList lines =
            QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        for (int i = 0; i < lines.size(); ++i) {
            const QStringList fields = lines[i].split('\t');
            EXPECT_EQ(fields.value(0), QString::number(i + 1));
            EXPECT_EQ(fields.value(1), fullSimName(i + 1));
        }
        return static_cast<int>(lines.size());
    }
    // N of "Verbindung zum Telefon verloren nach Platz N", or -1.
    int lostAfter(const QString& errors) {
        const auto match =
            QRegularExpression("Verbindung zum Telefon verloren nach Platz (\\d+)\\n")
                .match(errors);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    std::unique_ptr<phonesim::Simulator> sim;
    QProcess cli;
};

TEST_F(CliLinkLoss, HangUpInTheMiddleOfAFullRead) {
    startRead();
    ASSERT_TRUE(waitUntilHalfWay());
    sim->faults().hangUp();
    ASSERT_TRUE(cli.waitForFinished(5000)) << "still reading 5 s after the hang-up";
    EXPECT_EQ(cli.exitCode(), 1);
    const QString errors = QString::fromUtf8(cli.readAllStandardError());
    const int printed = entriesPrinted();
    EXPECT_GE(printed, static_cast<int>(kEntriesBeforeFault) - 1);
    EXPECT_EQ(lostAfter(errors), printed) << errors.toStdString();
    EXPECT_EQ(errors.count("corvina-cli:"), 1) << errors.toStdString();
}

TEST_F(CliLinkLoss, SilentPhoneInTheMiddleOfAFullRead) {
    startRead();
    ASSERT_TRUE(waitUntilHalfWay());
    sim->faults().silenceFor(std::chrono::minutes(10));
    ASSERT_TRUE(cli.waitForFinished(10000)) << "still reading 10 s after the phone fell silent";
    EXPECT_EQ(cli.exitCode(), 1);
    const QString errors = QString::fromUtf8(cli.readAllStandardError());
    const int printed = entriesPrinted();
    EXPECT_GE(printed, static_cast<int>(kEntriesBeforeFault) - 1);
    // The unanswered locations before the end are named on the way.
    const int lost = lostAfter(errors);
    EXPECT_GT(lost, printed) << errors.toStdString();
    EXPECT_LE(lost, printed + 2) << errors.toStdString();
    for (int location = printed + 1; location <= lost; ++location) {
        EXPECT_TRUE(errors.contains(QString("Platz %1: das Telefon antwortet nicht").arg(location)))
            << errors.toStdString();
    }
}

TEST_F(CliLinkLoss, RequestsLostToDamagedFramesDoNotEndTheRead) {
    // The phone does not send a damaged answer again: those locations get no
    // answer, but the link and the read go on.
    startRead({std::chrono::milliseconds(100), 1});
    sim->faults().setCorruptEvery(40);
    ASSERT_TRUE(cli.waitForFinished(120000));
    const QString errors = QString::fromUtf8(cli.readAllStandardError());
    EXPECT_EQ(lostAfter(errors), -1) << errors.toStdString();
    EXPECT_GT(errors.count("das Telefon antwortet nicht"), 0);
    const QStringList lines =
        QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size() + errors.count("das Telefon antwortet nicht"), kFullSimEntries);
    EXPECT_TRUE(lines.last().startsWith(QString("%1\t").arg(kFullSimEntries)));
}

}  // namespace
