// Stored messages, the SIM's message count, the message centre and sending
// through gnokii and gammu.
#include "tests/phonesim/peer/peersession.h"

namespace peer_test {
namespace {

using StoredMessages = PeerTest;
using SmsStatus = PeerTest;
using CentreRead = PeerTest;
using CentreSet = PeerTest;
using SendMessage = PeerTest;

TEST_P(StoredMessages, TextsNumbersAndTimesWithoutStalls) {
    const auto& stored = fixture.messages.stored;
    const PeerRun r = gnokii() ? run({QStringLiteral("--getsms"), QStringLiteral("SM"),
                                      QStringLiteral("1"), QString::number(stored.rbegin()->first)})
                               : run({QStringLiteral("getallsms")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    // gammu stops once it has found as many messages as the SIM says it holds.
    EXPECT_FALSE(r.stalled()) << r.describe();
    for (const auto& [location, message] : stored) {
        EXPECT_TRUE(r.output.contains(message.text)) << message.text.toStdString() << r.describe();
        EXPECT_TRUE(r.output.contains(message.number)) << r.describe();
        if (message.status == 0) {
            // gammu pads the day with a space, as C's asctime does.
            const QDateTime& t = message.timestamp;
            const QString sent = gnokii() ? t.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))
                                          : QStringLiteral("%1 %2 %3")
                                                .arg(t.toString(QStringLiteral("MMM")))
                                                .arg(t.date().day(), 2, 10, QLatin1Char(' '))
                                                .arg(t.toString(QStringLiteral("HH:mm:ss yyyy")));
            EXPECT_TRUE(r.output.contains(sent)) << sent.toStdString() << r.describe();
        }
    }
    // The centre each message came through.
    EXPECT_TRUE(r.output.contains(fixture.messages.centre.number)) << r.describe();
    EXPECT_EQ(
        r.output.count(gnokii() ? QStringLiteral("Inbox Message (Unread)")
                                : QStringLiteral("UnRead")),
        std::count_if(stored.begin(), stored.end(), [](const auto& m) { return m.second.unread; }))
        << r.describe();
}

TEST_P(SmsStatus, CountsStoredAndUnread) {
    const auto& messages = fixture.messages;
    const auto unread = std::count_if(messages.stored.begin(), messages.stored.end(),
                                      [](const auto& m) { return m.second.unread; });
    if (gnokii()) {
        const PeerRun r = run({QStringLiteral("--monitor"), QStringLiteral("once")});
        ASSERT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_FALSE(r.stalled()) << r.describe();
        EXPECT_TRUE(r.output.contains(QStringLiteral("SMS Messages: Unread %1, Number %2")
                                          .arg(unread)
                                          .arg(messages.stored.size())))
            << r.describe();
        return;
    }
    const PeerRun r = run({QStringLiteral("monitor"), QStringLiteral("1")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    EXPECT_TRUE(
        r.has(QStringLiteral("SIM SMS status"), QStringLiteral("%1 used, %2 unread, %3 locations")
                                                    .arg(messages.stored.size())
                                                    .arg(unread)
                                                    .arg(messages.capacity)))
        << r.describe();
}

TEST_P(CentreRead, NumberNameFormatAndValidity) {
    const auto& centre = fixture.messages.centre;
    const PeerRun r = gnokii() ? run({QStringLiteral("--getsmsc"), QStringLiteral("1")})
                               : run({QStringLiteral("getsmsc"), QStringLiteral("1")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    // The fixture's centre sends text and keeps messages a week.
    if (gnokii()) {
        EXPECT_TRUE(r.output.contains(QStringLiteral("No. 1: \"%1\"").arg(centre.name)))
            << r.describe();
        EXPECT_TRUE(r.output.contains(QStringLiteral("SMS center number is ") + centre.number))
            << r.describe();
        EXPECT_TRUE(r.output.contains(QStringLiteral("Messages sent as Text"))) << r.describe();
        EXPECT_TRUE(r.output.contains(QStringLiteral("Message validity is 1 week")))
            << r.describe();
    } else {
        EXPECT_TRUE(r.has(QStringLiteral("Name"), QStringLiteral("\"%1\"").arg(centre.name)))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Number"), QStringLiteral("\"%1\"").arg(centre.number)))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Format"), QStringLiteral("Text"))) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Validity"), QStringLiteral("1 week"))) << r.describe();
    }
}

TEST_P(CentreSet, NumberReachesThePhoneAndReadsBack) {
    const QString number = QStringLiteral("+491710760000");
    const PeerRun r =
        gnokii() ? run({QStringLiteral("--setsmsc")}, "1;Vodafone;-1;0;167;145;+491710760000;0;\n")
                 : run({QStringLiteral("setsmsc"), QStringLiteral("1"), number});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    const auto centre = phone->fixture().messages.centre;
    EXPECT_EQ(centre.number, number);
    EXPECT_TRUE(centre.recipient.isEmpty());
    if (gnokii()) {
        EXPECT_EQ(centre.name, QStringLiteral("Vodafone"));
        EXPECT_EQ(centre.validity, 167);  // a day
    }
    const PeerRun read = gnokii() ? run({QStringLiteral("--getsmsc"), QStringLiteral("1")})
                                  : run({QStringLiteral("getsmsc"), QStringLiteral("1")});
    EXPECT_TRUE(read.output.contains(number)) << read.describe();
}

TEST_P(SendMessage, TextArrivesAtThePhone) {
    const QString to = QStringLiteral("+491701234567");
    const PeerRun r = gnokii() ? run({QStringLiteral("--sendsms"), to}, "Hallo Welt\n")
                               : run({QStringLiteral("sendsms"), QStringLiteral("TEXT"), to,
                                      QStringLiteral("-text"), QStringLiteral("Hallo Welt")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    const auto received = phone->fixture().messages.received;
    ASSERT_EQ(received.size(), 1u) << r.describe();
    EXPECT_EQ(received[0].number, to);
    EXPECT_EQ(received[0].text, QStringLiteral("Hallo Welt"));
    EXPECT_EQ(received[0].centre, fixture.messages.centre.number);
}

PEER_TEST_SUITE(StoredMessages);
PEER_TEST_SUITE(SmsStatus);
PEER_TEST_SUITE(CentreRead);
PEER_TEST_SUITE(CentreSet);
PEER_TEST_SUITE(SendMessage);

}  // namespace
}  // namespace peer_test
