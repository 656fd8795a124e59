// Phonebooks, call lists, caller groups and speed dials through gnokii and
// gammu: names (16-bit on the 3310) and numbers as the fixture holds them,
// and the peers' writes as the phone keeps them.
#include "tests/phonesim/peer/peersession.h"

namespace peer_test {
namespace {

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

class Phonebook : public PeerTest {
  protected:
    // The name as the peer shows it. gammu decodes the 8-bit names of
    // 6110-class phones with its Central European table once the phone has
    // told it its language, as a real phone does; from the first letter
    // outside ASCII on, what it prints is its own.
    QString shown(const QString& name) const {
        if (!gammu() || is3310()) return name;
        qsizetype ascii = 0;
        while (ascii < name.size() && name[ascii].unicode() < 0x80) ++ascii;
        return name.left(ascii);
    }

    // Reads locations 1 to `last` of a memory ("SM", "ME") and checks every
    // entry the fixture holds there.
    void expectMemory(const QString& memory, const phonesim::PhonebookMemory& held, int last) {
        const QString end = QString::number(last);
        const PeerRun r =
            gnokii() ? run({QStringLiteral("--getphonebook"), memory, QStringLiteral("1"), end})
                     : run({QStringLiteral("getmemory"), memory, QStringLiteral("1"), end});
        ASSERT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_FALSE(r.stalled()) << r.describe();
        for (const auto& [location, entry] : held.entries) {
            if (location > last) continue;
            if (gnokii()) {
                EXPECT_TRUE(r.output.contains(
                    QStringLiteral("%1. Name: %2\n").arg(location).arg(entry.name)))
                    << entry.name.toStdString() << "\n"
                    << r.describe();
            } else {
                EXPECT_TRUE(
                    r.output.contains(QStringLiteral("Location %1\nName                 : \"%2")
                                          .arg(location)
                                          .arg(shown(entry.name))))
                    << entry.name.toStdString() << "\n"
                    << r.describe();
            }
            EXPECT_TRUE(r.output.contains(gnokii() ? QStringLiteral("Number: ") + entry.number
                                                   : quoted(entry.number)))
                << entry.number.toStdString() << "\n"
                << r.describe();
        }
    }
};

using PhonebookSim = Phonebook;
using PhonebookPhone = Phonebook;
using CallLists = Phonebook;
using CallerGroups = PeerTest;
using SpeedDials = PeerTest;
using PhonebookWrite = PeerTest;
using PhonebookDelete = PeerTest;

TEST_P(PhonebookSim, NamesAndNumbers) {
    expectMemory(QStringLiteral("SM"), fixture.phonebook.sim, 5);
}

TEST_P(PhonebookPhone, NamesAndNumbers) {
    expectMemory(QStringLiteral("ME"), fixture.phonebook.phone, 2);
}

TEST_P(CallLists, DialledReceivedAndMissedWithTheirTimes) {
    const std::pair<QString, const std::vector<phonesim::PhonebookEntry>*> lists[] = {
        {QStringLiteral("DC"), &fixture.phonebook.dialled},
        {QStringLiteral("RC"), &fixture.phonebook.received},
        {QStringLiteral("MC"), &fixture.phonebook.missed}};
    for (const auto& [memory, list] : lists) {
        const auto count = static_cast<int>(list->size());
        // gammu counts call-list locations from 0, gnokii (and the phone
        // itself) from 1: gammu's location 2 is the phone's first call.
        const int first = gnokii() ? 1 : 2;
        const QStringList range = {QString::number(first), QString::number(first + count - 1)};
        const PeerRun r = gnokii()
                              ? run(QStringList{QStringLiteral("--getphonebook"), memory} + range)
                              : run(QStringList{QStringLiteral("getmemory"), memory} + range);
        ASSERT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_FALSE(r.stalled()) << r.describe();
        for (const auto& call : *list) {
            EXPECT_TRUE(r.output.contains(call.number))
                << call.number.toStdString() << r.describe();
            if (!call.name.isEmpty()) {
                EXPECT_TRUE(r.output.contains(shown(call.name))) << r.describe();
            }
            // gammu pads the day with a blank: "May  9 21:47:33 2001".
            const QString when = gnokii()
                                     ? call.time.toString(QStringLiteral("yyyy.MM.dd HH:mm:ss"))
                                     : call.time.toString(QStringLiteral("MMM ")) +
                                           QStringLiteral("%1").arg(call.time.date().day(), 2) +
                                           call.time.toString(QStringLiteral(" HH:mm:ss yyyy"));
            EXPECT_TRUE(r.output.contains(when)) << when.toStdString() << "\n" << r.describe();
        }
    }
}

TEST_P(CallerGroups, NameRingtoneAndLogo) {
    if (is3310() && gammu()) GTEST_SKIP() << "gammu offers no caller groups on the 3310";
    const phonesim::CallerGroup& group = fixture.phonebook.callerGroups.at(0);
    // Rows of the logo as the peers draw them.
    QStringList rows;
    for (int y = 0; y < group.logo.height; ++y) {
        QString row;
        for (int x = 0; x < group.logo.width; ++x) {
            const int bit = y * group.logo.width + x;
            row += (static_cast<uint8_t>(group.logo.data[bit / 8]) >> (7 - bit % 8)) & 1
                       ? QLatin1Char('#')
                       : QLatin1Char(' ');
        }
        rows << row;
    }
    if (gnokii()) {
        const QString file = this->file(QStringLiteral("group.ngg"));
        const PeerRun r =
            run({QStringLiteral("--getlogo"), QStringLiteral("caller"), file, QStringLiteral("0")});
        ASSERT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_FALSE(r.stalled()) << r.describe();
        EXPECT_TRUE(
            r.output.contains(QStringLiteral("Caller group name: %1, ringing tone: Unknown (%2)")
                                  .arg(group.name)
                                  .arg(group.ringtone)))
            << r.describe();
        const PeerRun view = run({QStringLiteral("--viewlogo"), file});
        for (const QString& row : rows)
            EXPECT_TRUE(view.output.contains(row + QLatin1Char('\n'))) << view.describe();
        return;
    }
    // gammu counts groups from 1.
    const PeerRun r =
        run({QStringLiteral("getbitmap"), QStringLiteral("CALLER"), QStringLiteral("1")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    for (const QString& row : rows)
        EXPECT_TRUE(r.output.contains(row + QLatin1Char('\n'))) << r.describe();
    // gammu prints its own defaults for name and ringtone; what it read from
    // the phone is in its log.
    EXPECT_TRUE(r.log.contains(QStringLiteral("Name : \"%1\"").arg(group.name))) << r.describe();
    EXPECT_TRUE(r.log.contains(QStringLiteral("Ringtone ID: %1").arg(group.ringtone, 0, 16)))
        << r.describe();
}

TEST_P(SpeedDials, KeyTwoNamesItsEntry) {
    const phonesim::SpeedDial dial = fixture.phonebook.speedDials.at(2);
    const phonesim::PhonebookEntry entry =
        (dial.phoneMemory ? fixture.phonebook.phone : fixture.phonebook.sim)
            .entries.at(dial.location);
    const PeerRun r = gnokii() ? run({QStringLiteral("--getspeeddial"), QStringLiteral("2")})
                               : run({QStringLiteral("getspeeddial"), QStringLiteral("2")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    if (gnokii()) {
        // Memory 1 is the SIM, 2 the phone; then the location.
        EXPECT_TRUE(r.output.contains(QStringLiteral("SpeedDial nr. 2: %1:%2")
                                          .arg(dial.phoneMemory ? 2 : 1)
                                          .arg(dial.location)))
            << r.describe();
    } else {
        EXPECT_TRUE(r.has(QStringLiteral("Name"), quoted(entry.name))) << r.describe();
        EXPECT_TRUE(r.has(QStringLiteral("Number"), quoted(entry.number))) << r.describe();
    }
}

TEST_P(PhonebookWrite, EntryReachesThePhone) {
    if (gnokii()) {
        GTEST_SKIP() << "gnokii 0.6.30 crashes inside its own library on --writephonebook before "
                        "it sends anything";
    }
    // gammu writes through a restore, which clears the rest of the SIM.
    const QString backup =
        writeFile(QStringLiteral("entry.backup"),
                  "[Backup]\nFormat = 1.04\n\n[SIMPBK001]\nLocation = 6\n"
                  "Entry00Type = Name\nEntry00Text = \"Bernd\"\n"
                  "Entry01Type = NumberGeneral\nEntry01Text = \"+4940555666\"\n");
    const PeerRun r = run({QStringLiteral("restore"), backup, QStringLiteral("-yes")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    const auto sim = phone->fixture().phonebook.sim;
    ASSERT_EQ(sim.entries.count(6), 1u);
    EXPECT_EQ(sim.entries.at(6).name, QStringLiteral("Bernd"));
    EXPECT_EQ(sim.entries.at(6).number, QStringLiteral("+4940555666"));
    EXPECT_EQ(sim.entries.size(), 1u);
    // And back through the peer.
    const PeerRun read =
        run({QStringLiteral("getmemory"), QStringLiteral("SM"), QStringLiteral("6")});
    EXPECT_TRUE(read.has(QStringLiteral("Name"), QStringLiteral("\"Bernd\""))) << read.describe();
}

TEST_P(PhonebookDelete, ClearsTheLocation) {
    ASSERT_EQ(fixture.phonebook.sim.entries.count(5), 1u);
    const PeerRun r =
        gnokii() ? run({QStringLiteral("--deletephonebook"), QStringLiteral("SM"),
                        QStringLiteral("5"), QStringLiteral("5")})
                 : run({QStringLiteral("deletememory"), QStringLiteral("SM"), QStringLiteral("5")});
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    const auto sim = phone->fixture().phonebook.sim;
    EXPECT_EQ(sim.entries.count(5), 0u);
    EXPECT_EQ(sim.entries.size(), fixture.phonebook.sim.entries.size() - 1);
}

PEER_TEST_SUITE(PhonebookSim);
PEER_TEST_SUITE(PhonebookPhone);
PEER_TEST_SUITE(CallLists);
PEER_TEST_SUITE(CallerGroups);
PEER_TEST_SUITE(SpeedDials);
PEER_TEST_SUITE(PhonebookWrite);
PEER_TEST_SUITE(PhonebookDelete);

}  // namespace
}  // namespace peer_test
