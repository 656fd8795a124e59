// gnokii against the simulated 7110 family: as a 7110 against the NSE-5
// and as a 6210 against the NPE-3 it identifies the phone, reads the phone
// memory's entries with all their numbers and texts, and reads a stored
// message from the inbox folder, each as the fixture holds it.
#include "tests/phonesim/peer/peersession.h"

namespace peer_test {
namespace {

inline constexpr PhoneModel k7110{"NSE-5", "7110"};
inline constexpr PhoneModel k6210{"NPE-3", "6210"};

using Family7110 = PeerTest;

TEST_P(Family7110, Identifies) {
    const PeerRun run = this->run({QStringLiteral("--identify")});
    const auto& expected = fixture.identity;
    EXPECT_EQ(run.exitCode, 0) << run.describe();
    EXPECT_TRUE(run.has(QStringLiteral("IMEI"), expected.imei)) << run.describe();
    EXPECT_TRUE(run.has(QStringLiteral("Model"), expected.modelCode)) << run.describe();
    EXPECT_TRUE(run.has(QStringLiteral("Revision"), expected.softwareVersion)) << run.describe();
}

TEST_P(Family7110, ReadsThePhoneMemory) {
    const PeerRun run = this->run({QStringLiteral("--getphonebook"), QStringLiteral("ME"),
                                   QStringLiteral("1"), QStringLiteral("10")});
    EXPECT_EQ(run.exitCode, 0) << run.describe();
    const QString& out = run.output;
    for (const auto& [location, entry] : fixture.phonebook.phone.entries) {
        if (location > 10) continue;
        EXPECT_TRUE(out.contains(QStringLiteral("%1. Name: %2\n").arg(location).arg(entry.name)))
            << run.describe();
        EXPECT_TRUE(out.contains(QStringLiteral(" number: ") + entry.number + '\n'))
            << run.describe();
        for (const auto& number : entry.otherNumbers) {
            EXPECT_TRUE(out.contains(QStringLiteral(" number: ") + number.text + '\n'))
                << run.describe();
        }
        for (const auto& text : entry.texts) {
            EXPECT_TRUE(out.contains(QStringLiteral(": ") + text.text + '\n')) << run.describe();
        }
    }
    EXPECT_FALSE(run.stalled()) << run.describe();
}

TEST_P(Family7110, ReadsAStoredMessage) {
    const PeerRun run =
        this->run({QStringLiteral("--getsms"), QStringLiteral("IN"), QStringLiteral("1")});
    const auto& messages = fixture.messages;
    const auto& message = messages.folders.front().messages.at(1);
    EXPECT_EQ(run.exitCode, 0) << run.describe();
    const QString& out = run.output;
    EXPECT_TRUE(out.contains(QStringLiteral("Inbox Message (Unread)"))) << run.describe();
    EXPECT_TRUE(out.contains(QStringLiteral("Sender: ") + message.number +
                             QStringLiteral(" Msg Center: ") + messages.centre.number))
        << run.describe();
    EXPECT_TRUE(out.contains(message.timestamp.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))))
        << run.describe();
    EXPECT_TRUE(out.contains(QStringLiteral("Text:\n") + message.text)) << run.describe();
}

INSTANTIATE_TEST_SUITE_P(Gnokii, Family7110,
                         ::testing::Combine(::testing::Values(Peer::Gnokii),
                                            ::testing::Values(k7110, k6210)),
                         peerCaseName);

}  // namespace
}  // namespace peer_test
