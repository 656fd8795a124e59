// Speed dials, call lists and WAP bookmarks against a small scripted phone:
// what the simulator cannot easily show (unset keys, odd number indices,
// another phone, refused writes, the Siemens counting, too many bookmarks).
#include <gtest/gtest.h>

#include "corvina/phonebook/calllists.h"
#include "corvina/phonebook/speeddials.h"
#include "corvina/phonebook/wapbookmarks.h"
#include "tests/corvina/phonebook/fakephonebook.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_phonebook::ScriptedDialogs;
using testing_phonebook::simEntry;
using testing_support::waitFor;

struct Key {
    uint8_t memory;
    int location;
    int32_t numberIndex;
};

// Keys and the entries they point at, answered as a 61xx does: a key that is
// not set names no memory and leaves the location as asked.
struct KeyPhone {
    testing_phonebook::FakePhonebook entries;
    std::map<int, Key> keys;
    std::set<int> refusedKeyWrites;
    std::vector<TPhoneBookEntry> writes;
    int calls = 0;
    QString imei = "350000000000001";

    PhonebookCalls phonebookCalls() {
        PhonebookCalls c = entries.calls();
        c.capacity = [this](TCapacity& cap) {
            ++calls;
            cap.used = 9;
            cap.total = 9;
            return uint8_t{phonelib::stNotAvailable};
        };
        c.read = [this, readEntry = c.read](TPhoneBookEntry& e) {
            ++calls;
            if (e.memory != memSpeedDials) return readEntry(e);
            const auto key = keys.find(e.location);
            e.memory = 8;
            if (key != keys.end()) {
                e.memory = key->second.memory;
                e.location = key->second.location;
                e.speedDialNumberIndex = key->second.numberIndex;
            }
            return uint8_t{phonelib::stDone};
        };
        c.write = [this](const TPhoneBookEntry& e) {
            if (refusedKeyWrites.count(e.location)) return uint8_t{phonelib::stRefused};
            writes.push_back(e);
            return uint8_t{phonelib::stDone};
        };
        return c;
    }
};

class SpeedDialsTest : public ::testing::Test {
  protected:
    SpeedDialsTest() {
        phone.entries.memory(memSim)[3] = simEntry("Drei", "0303");
        phone.entries.memory(memSim)[5] = simEntry("Funf", "0305");
        phone.entries.memory(memPhone)[1] = testing_phonebook::entry(
            "Zwei Nummern", {{"0301", ntGeneral, 1}, {"0171", ntMobile, 0}});
        phone.keys = {{2, {memSim, 5, 0}}, {4, {memPhone, 1, 0}}, {5, {memPhone, 1, 2}}};
        dials.setRetryInterval(1);
    }
    void read() {
        bool done = false;
        dials.read(memSim, [&] { done = true; });
        ASSERT_TRUE(waitFor([&] { return done; }));
    }
    void write(uint8_t memory) {
        bool done = false;
        dials.write(memory, [&] { done = true; });
        ASSERT_TRUE(waitFor([&] { return done; }));
    }
    const SpeedDialRow& key(int k) { return dials.rows().at(size_t(k - 2)); }

    KeyPhone phone;
    ScriptedDialogs script;
    SpeedDials dials{phone.phonebookCalls(), script.dialogs(),
                     SpeedDials::Phone{[] { return uint8_t{14}; }, [this] { return phone.imei; }},
                     [](auto reply) { reply(QString("3")); }};
};

TEST_F(SpeedDialsTest, UnsetKeysShowUnsetAndAnOddNumberIndexDialsTheFirstNumber) {
    read();
    EXPECT_EQ(key(2), (SpeedDialRow{2, "Funf", "0305", "Keine", "SIM", "5"}));
    EXPECT_FALSE(key(3).isSet()) << "not the entry at SIM 3";
    EXPECT_EQ(key(4).number, "0301") << "index 0 from a phone that gives none";
    EXPECT_EQ(key(5).number, "0171");
    EXPECT_EQ(key(5).memoryName, "Telefon");
}

TEST_F(SpeedDialsTest, KeysAreReadOncePerPhoneAndAnewForAnother) {
    read();
    phone.keys.erase(2);
    const int calls = phone.calls;
    read();
    EXPECT_EQ(phone.calls, calls) << "the same phone: what the user assigned stays";
    EXPECT_TRUE(key(2).isSet());

    phone.imei = "350000000000002";
    read();
    EXPECT_GT(phone.calls, calls);
    EXPECT_FALSE(key(2).isSet()) << "another phone's keys";
}

TEST_F(SpeedDialsTest, ADeletedReferenceIsClearedAndRefusedKeysAreNamed) {
    read();
    // The entry at SIM 3 moves onto SIM 5: key 2 pointed there.
    dials.moveReference(3, memSim, memSim, 5);
    EXPECT_FALSE(key(2).isSet());
    EXPECT_TRUE(script.lastTold().contains("Nr.2 auf den Speichereintrag Nr.5"));

    // Key 3 to SIM 3 from the row, then written with the SIM.
    PhonebookRow row;
    row.setLocation(3);
    row.cells[colName] = "Drei";
    row.cells[colGeneral] = "0303\r";
    dials.assign(row, memSim);
    EXPECT_EQ(key(3).location, "3");
    phone.refusedKeyWrites = {3};
    write(memSim);
    ASSERT_EQ(phone.writes.size(), 1u);
    EXPECT_EQ(phone.writes[0].location, 2);
    EXPECT_EQ(phone.writes[0].speedDialLocation, 0) << "key 2 cleared";
    const QStringList notices = dials.takeNotices();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("Kurzwahl 3 (vom Telefon abgelehnt)"))
        << notices[0].toStdString();

    phone.writes.clear();
    phone.refusedKeyWrites.clear();
    write(memSim);
    ASSERT_EQ(phone.writes.size(), 1u) << "the clear was done; key 3 again";
    EXPECT_EQ(phone.writes[0].location, 3);
    EXPECT_EQ(phone.writes[0].speedDialLocation, 3);
}

TEST(CallListsTest, NokiaCountsFromOneSiemensFromZeroAndAFailureNamesTheCall) {
    for (const uint8_t model : {uint8_t{14}, uint8_t{8}}) {
        std::vector<int> asked;
        PhonebookCalls calls;
        calls.capacity = [](TCapacity& cap) {
            cap.total = cap.used = 10;
            return uint8_t{phonelib::stDone};
        };
        calls.read = [&](TPhoneBookEntry& e) {
            asked.push_back(e.location);
            if (e.location == 6) return uint8_t{phonelib::stNoAnswer};
            e = simEntry("Anruf", "0170" + std::to_string(e.location));
            return uint8_t{phonelib::stDone};
        };
        CallLists lists(calls, [model] { return model; });
        lists.setRetryInterval(1);
        QString notice;
        bool done = false;
        lists.read(memMissed, [&](const QString& text) {
            notice = text;
            done = true;
        });
        ASSERT_TRUE(waitFor([&] { return done; }));
        const int first = model == 8 ? 0 : 1;
        EXPECT_EQ(asked.front(), first);
        const auto& rows = lists.rows(memMissed);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.front().number, 1);
        EXPECT_EQ(rows.back().number, model == 8 ? 6 : 5);
        EXPECT_TRUE(notice.contains(QString("Eintrag %1").arg(model == 8 ? 7 : 6)))
            << notice.toStdString();
    }
}

TEST(WapBookmarksTest, LinksGetTheirSchemeAndWhatDoesNotFitIsRefusedOrCut) {
    EXPECT_EQ(WapBookmarks::editedLink("wap.example"), "http://wap.example");
    EXPECT_EQ(WapBookmarks::editedLink("https://secure.example"), "https://secure.example");
    EXPECT_EQ(WapBookmarks::shownLink("http://wap.example"), "wap.example");

    int writes = 0;
    PhonebookCalls calls;
    calls.wapWrite = [&](TWap&) {
        ++writes;
        return uint8_t{phonelib::stDone};
    };
    WapBookmarks wap(calls);
    EXPECT_FALSE(wap.drop(0, {"Name", "wap.example"}).isEmpty()) << "download first";
    std::vector<WapRow> rows;
    for (int i = 1; i <= 17; ++i) rows.push_back({QString("Link %1").arg(i), "http://x.example"});
    wap.setRows(rows);
    EXPECT_TRUE(wap.drop(-1, {"Neu", "wap.example"}).contains("Kapazität")) << "no row left";
    QString error;
    wap.upload([&](const QString& text) { error = text; });
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(error.contains("Link 16") && error.contains("Link 17")) << error.toStdString();
    EXPECT_FALSE(error.contains("Link 15"));

    const QString note = wap.drop(0, {QString(60, 'n'), "ftp://files.example"});
    EXPECT_TRUE(note.contains("50 Zeichen"));
    EXPECT_EQ(wap.rows()[0], (WapRow{QString(50, 'n'), "ftp://files.example"}));
}

}  // namespace
}  // namespace corvina
