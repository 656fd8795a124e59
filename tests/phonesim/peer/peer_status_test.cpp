// Identity, network, battery and signal, and the clock through gnokii and
// gammu.
#include "tests/phonesim/peer/peersession.h"

namespace peer_test {
namespace {

using Identify = PeerTest;
using NetworkInfo = PeerTest;
using BatteryAndSignal = PeerTest;
using ClockRead = PeerTest;
using ClockSet = PeerTest;

TEST_P(Identify, ShowsTheFixturesIdentity) {
    const auto& id = fixture.identity;
    const PeerRun r =
        gnokii() ? run({QStringLiteral("--identify")}) : run({QStringLiteral("identify")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    if (gnokii()) {
        EXPECT_TRUE(r.output.contains(QStringLiteral("IMEI         : ") + id.imei)) << r.describe();
        EXPECT_TRUE(r.output.contains(QStringLiteral("Model        : ") + id.modelCode))
            << r.describe();
        EXPECT_TRUE(r.output.contains(
            QStringLiteral("SW %1, HW %2").arg(id.softwareVersion, id.hardwareVersion)))
            << r.describe();
    } else {
        EXPECT_TRUE(r.has(QStringLiteral("Model"),
                          QStringLiteral("%1 (%2)").arg(QLatin1String(model().name), id.modelCode)))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Firmware"), id.softwareVersion)) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Hardware"), id.hardwareVersion)) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("IMEI"), id.imei)) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Product code"), id.productionData)) << r.describe();
    }
}

TEST_P(Identify, ReadsASplitAnswerWithAPaddedLastFrame) {
    if (gammu()) GTEST_SKIP() << "one peer suffices for the framing; gammu asks the same answer";
    // A copyright line this long makes the version answer 177 bytes: frames
    // of 120 and 57 message bytes, the second one padded.
    fixture.identity.copyright = QStringLiteral("(c) NMP.") + QString(141, QLatin1Char('x'));
    const PeerRun r = run({QStringLiteral("--identify")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_TRUE(r.output.contains(QStringLiteral("Model        : ") + fixture.identity.modelCode))
        << r.describe();
}

TEST_P(NetworkInfo, ShowsCountryNetworkAreaAndCell) {
    const auto& net = fixture.network;
    const QString lac = QStringLiteral("%1").arg(net.lac, 4, 16, QLatin1Char('0'));
    const QString cell = QStringLiteral("%1").arg(net.cell, 4, 16, QLatin1Char('0'));
    const PeerRun r =
        gnokii() ? run({QStringLiteral("--getnetworkinfo")}) : run({QStringLiteral("networkinfo")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    if (gnokii()) {
        EXPECT_TRUE(r.has(QStringLiteral("Network code"), net.mcc + QLatin1Char(' ') + net.mnc))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("LAC"), lac)) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Cell id"), QStringLiteral("0000") + cell))
            << r.describe();
    } else {
        EXPECT_TRUE(r.output.contains(QStringLiteral("%1 %2 (").arg(net.mcc, net.mnc)))
            << r.describe();
        EXPECT_TRUE(
            r.output.contains(QStringLiteral("LAC %1, CID %2").arg(lac.toUpper(), cell.toUpper())))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Network state"), QStringLiteral("home network")))
            << r.describe();
    }
}

TEST_P(BatteryAndSignal, ShowTheFixturesLevels) {
    fixture.battery = 3;
    fixture.signal = 2;
    if (gnokii()) {
        if (is3310()) GTEST_SKIP() << "gnokii asks the 3310 for neither battery nor signal";
        const PeerRun r = run({QStringLiteral("--monitor"), QStringLiteral("once")});
        ASSERT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_FALSE(r.stalled()) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("RFLevel"), QStringLiteral("2"))) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Battery"), QStringLiteral("3"))) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Power Source"), QStringLiteral("Battery")))
            << r.describe();
        return;
    }
    const PeerRun r = run({QStringLiteral("monitor"), QStringLiteral("1")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    // Levels 0 to 4 in quarters.
    EXPECT_TRUE(r.has(QStringLiteral("Battery level"), QStringLiteral("75 percent")))
        << r.describe();
    EXPECT_TRUE(r.has(QStringLiteral("Network level"), QStringLiteral("50 percent")))
        << r.describe();
}

TEST_P(ClockRead, ShowsThePhonesTime) {
    const PeerRun r =
        gnokii() ? run({QStringLiteral("--getdatetime")}) : run({QStringLiteral("getdatetime")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    // The fixture's clock: 2001-05-12 10:30:00.
    if (gnokii()) {
        EXPECT_TRUE(r.has(QStringLiteral("Date"), QStringLiteral("2001/05/12"))) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Time"), QStringLiteral("10:30:00"))) << r.describe();
    } else {
        EXPECT_TRUE(r.output.contains(QStringLiteral("Sat May 12 10:30:00 2001"))) << r.describe();
    }
}

TEST_P(ClockSet, ReachesThePhoneAndReadsBack) {
    const PeerRun set =
        gnokii()
            ? run({QStringLiteral("--setdatetime"), QStringLiteral("2024"), QStringLiteral("03"),
                   QStringLiteral("01"), QStringLiteral("10"), QStringLiteral("20")})
            : run({QStringLiteral("setdatetime"), QStringLiteral("10:20:00"),
                   QStringLiteral("2024/03/01")});
    ASSERT_EQ(set.exitCode, 0) << set.describe();
    EXPECT_FALSE(set.stalled()) << set.describe();
    const auto clock = phone->fixture().data.settings.clock;
    ASSERT_TRUE(clock);
    EXPECT_EQ(*clock, (phonesim::DateTime{2024, 3, 1, 10, 20, 0}));
    const PeerRun read =
        gnokii() ? run({QStringLiteral("--getdatetime")}) : run({QStringLiteral("getdatetime")});
    EXPECT_TRUE(read.output.contains(gnokii() ? QStringLiteral("2024/03/01")
                                              : QStringLiteral("Mar  1 10:20:00 2024")))
        << read.describe();
}

PEER_TEST_SUITE(Identify);
PEER_TEST_SUITE(NetworkInfo);
PEER_TEST_SUITE(BatteryAndSignal);
PEER_TEST_SUITE(ClockRead);
PEER_TEST_SUITE(ClockSet);

}  // namespace
}  // namespace peer_test
