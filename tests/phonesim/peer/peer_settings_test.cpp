// Profiles, the active profile, call diverts and the calendar through gnokii
// and gammu.
#include <QRegularExpression>

#include "tests/phonesim/peer/peersession.h"

namespace peer_test {
namespace {

using Profiles = PeerTest;
using ActiveProfile = PeerTest;
using Diverts = PeerTest;
using Calendar = PeerTest;

TEST_P(Profiles, DefaultNamesAndFeatures) {
    // Profile 1 rings with tone 18 at volume 3; the 3310's screen saver is off.
    auto& profile = fixture.data.profiles.at(1);
    profile.ringtone = 0x12;
    profile.volume = 0x08;
    profile.keypadTones = 0x01;
    profile.vibration = 0x01;
    fixture.data.settings.activeProfile = 0;
    if (gnokii()) {
        if (is3310()) {
            GTEST_SKIP()
                << "gnokii numbers the 3310's profile features like the 6110's, but the "
                   "3310 has the screen saver in features 7 to 9 and its ringing mode in 1";
        }
        const PeerRun r = run({QStringLiteral("--getprofile"), QStringLiteral("1")});
        ASSERT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_FALSE(r.stalled()) << r.describe();
        EXPECT_TRUE(r.output.contains(QStringLiteral("1. \"Silent\""))) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Ringing tone"), QStringLiteral("Ring ring (18)")))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Ringing volume"), QStringLiteral("Level 3")))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Keypad tones"), QStringLiteral("Level 2")))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Vibration"), QStringLiteral("On"))) << r.describe();
        return;
    }
    // gammu counts profiles from 1.
    const PeerRun r = run({QStringLiteral("getprofile"), QStringLiteral("2")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    EXPECT_TRUE(r.output.contains(QStringLiteral("2. \"Silent\" (default name)"))) << r.describe();
    EXPECT_TRUE(r.has(QStringLiteral("Ringtone ID"), QStringLiteral("ID 18"))) << r.describe();
    EXPECT_TRUE(r.has(QStringLiteral("Ringtone volume"), QStringLiteral("Level 3")))
        << r.describe();
    EXPECT_TRUE(r.has(QStringLiteral("Keypad tones"), QStringLiteral("Level 2"))) << r.describe();
    EXPECT_TRUE(r.has(QStringLiteral("Vibrating alert"), QStringLiteral("On"))) << r.describe();
    if (is3310()) {
        EXPECT_TRUE(r.has(QStringLiteral("Screen saver"), QStringLiteral("Off"))) << r.describe();
    } else {
        EXPECT_TRUE(r.has(QStringLiteral("Call alert for"), QString())) << r.describe();
    }
}

TEST_P(ActiveProfile, IsTheFixturesOne) {
    fixture.data.settings.activeProfile = 2;
    if (gnokii()) {
        if (is3310()) {
            GTEST_SKIP() << "gnokii asks the 3310 for the active profile as feature 2A, the "
                            "6110's number; the 3310 keeps it in feature 24 (what a real 3310 "
                            "answers to 2A is not documented)";
        }
        const PeerRun r = run({QStringLiteral("--getactiveprofile")});
        ASSERT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_FALSE(r.stalled()) << r.describe();
        EXPECT_TRUE(r.output.contains(QStringLiteral("Active profile: 2 (Meeting)")))
            << r.describe();
        return;
    }
    const PeerRun r = run({QStringLiteral("getprofile"), QStringLiteral("3")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    // The standard names differ between the models.
    EXPECT_TRUE(r.output.contains(QRegularExpression(
        QStringLiteral("^3\\. \"[^\"]+\" \\(active\\)"), QRegularExpression::MultilineOption)))
        << r.describe();
}

TEST_P(Diverts, ActiveDivertWithNumberAndDelay) {
    fixture.data.diverts = {};
    fixture.data.diverts.active = {{0, 3, QStringLiteral("+49301234567"), 20}};
    const PeerRun r =
        gnokii() ? run({QStringLiteral("--divert"), QStringLiteral("-o"), QStringLiteral("query"),
                        QStringLiteral("-t"), QStringLiteral("noans"), QStringLiteral("-c"),
                        QStringLiteral("voice")})
                 : run({QStringLiteral("divert"), QStringLiteral("get"), QStringLiteral("noans"),
                        QStringLiteral("voice")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    if (gnokii()) {
        EXPECT_TRUE(r.has(QStringLiteral("Divert type"), QStringLiteral("No answer")))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Call type"), QStringLiteral("Voice"))) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Number"), QStringLiteral("+49301234567")))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Timeout"), QStringLiteral("20"))) << r.describe();
    } else {
        EXPECT_TRUE(r.has(QStringLiteral("Call type"), QStringLiteral("voice"))) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Number"), QStringLiteral("+49301234567")))
            << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Timeout"), QStringLiteral("20 seconds"))) << r.describe();
    }
    // A divert of every call type, queried for all of them, is listed too;
    // the unconditional divert is not set.
    const PeerRun all =
        gnokii() ? run({QStringLiteral("--divert"), QStringLiteral("-o"), QStringLiteral("query"),
                        QStringLiteral("-t"), QStringLiteral("all"), QStringLiteral("-c"),
                        QStringLiteral("all")})
                 : run({QStringLiteral("divert"), QStringLiteral("get"), QStringLiteral("all"),
                        QStringLiteral("all")});
    ASSERT_EQ(all.exitCode, 0) << all.describe();
    if (gnokii()) {
        // gnokii asks every reason (02), which covers the no-reply divert.
        EXPECT_TRUE(all.has(QStringLiteral("Number"), QStringLiteral("+49301234567")))
            << all.describe();
    } else {
        // gammu's "all" is the unconditional divert (15), which is not set.
        EXPECT_FALSE(all.output.contains(QStringLiteral("+49301234567"))) << all.describe();
    }
}

TEST_P(Calendar, NotesWithTypeDateAlarmAndText) {
    const auto& notes = fixture.data.calendar.notes;
    ASSERT_FALSE(notes.empty());
    const PeerRun r = gnokii() ? run({QStringLiteral("--getcalendarnote"), QStringLiteral("1"),
                                      QString::number(notes.size())})
                               : run({QStringLiteral("getallcalendar")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    for (const auto& note : notes) {
        QString text = note.text;
        text.remove(QChar(0x01));  // the 3310's reminder mark
        EXPECT_TRUE(r.output.contains(text)) << text.toStdString() << r.describe();
        const QString date =
            QString::asprintf("%04d-%02d-%02d", note.date.year, note.date.month, note.date.day);
        if (gnokii()) {
            EXPECT_TRUE(r.has(QStringLiteral("Start date"), date)) << r.describe();
        }
    }
}

PEER_TEST_SUITE(Profiles);
PEER_TEST_SUITE(ActiveProfile);
PEER_TEST_SUITE(Diverts);
PEER_TEST_SUITE(Calendar);

}  // namespace
}  // namespace peer_test
