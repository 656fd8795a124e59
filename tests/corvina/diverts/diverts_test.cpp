// The divert window's logic against a fake network: queries, writes with
// their read-back, refusals and time-outs, and what the user is told.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <map>
#include <set>

#include "corvina/diverts/divertbook.h"
#include "corvina/diverts/diverttexts.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;
using Key = std::pair<int, int>;  // call class, reason

struct FakeNetwork {
    std::map<Key, TDivert> held;
    std::set<Key> refused;  // queries and writes refused (15)
    std::set<Key> silent;   // queries unanswered (3)
    std::set<Key> notKept;  // writes answered as done, not kept
    std::vector<TDivert> writes;
    std::vector<Key> announced;
    int queries = 0;

    static Key keyOf(const TDivert& d) { return {d.callClass, d.reason}; }

    DivertLibrary library() {
        DivertLibrary lib;
        lib.getDiverts = [this](TDivert& d) {
            ++queries;
            const Key key = keyOf(d);
            if (refused.contains(key)) return phonelib::stDivertRefused;
            if (silent.contains(key)) return phonelib::stNoAnswer;
            const auto found = held.find(key);
            d.active = found != held.end();
            d.number = d.active ? found->second.number : "";
            d.delay = d.active ? found->second.delay : 0;
            return phonelib::stDone;
        };
        lib.setDiverts = [this](const TDivert& d) {
            writes.push_back(d);
            const Key key = keyOf(d);
            if (refused.contains(key)) return phonelib::stDivertRefused;
            if (notKept.contains(key)) return phonelib::stDone;
            if (d.active) {
                held[key] = d;
            } else {
                held.erase(key);
            }
            return phonelib::stDone;
        };
        lib.formatNumber = &phonelib::formatnumber;
        lib.announce = [this](int type, int condition) { announced.emplace_back(type, condition); };
        return lib;
    }
};

class Diverts : public ::testing::Test {
  protected:
    DivertOutcome run(const std::function<void()>& action) {
        QSignalSpy done(&book, &DivertBook::finished);
        action();
        EXPECT_TRUE(waitFor([&] { return done.size() == 1; }));
        return done.isEmpty() ? DivertOutcome{} : done.first().first().value<DivertOutcome>();
    }
    const DivertCell& cell(int c, int r) { return book.grid().cell(c, r); }

    FakeNetwork network;
    DivertBook book{network.library()};
};

TEST_F(Diverts, QueryShowsWhatTheNetworkHoldsAndAnnouncesEachDivert) {
    TDivert noReply;
    noReply.number = "+491771234567";
    noReply.delay = 25;
    network.held[{0, 3}] = noReply;
    network.silent = {{0, 1}};
    const DivertOutcome outcome = run([&] { book.queryClass(0); });
    EXPECT_EQ(cell(0, 0).state, DivertState::Inactive);
    EXPECT_EQ(cell(0, 1).state, DivertState::Unknown);  // the time-out says nothing
    EXPECT_EQ(cell(0, 3), (DivertCell{DivertState::Active, "+491771234567"}));
    EXPECT_EQ(book.grid().delay(0), 25);
    EXPECT_EQ(book.grid().delayChoices(0), (QList<int32_t>{5, 10, 15, 20, 25, 30}));
    EXPECT_EQ(network.announced, (std::vector<Key>{{1, 1}, {1, 2}, {1, 3}, {1, 4}}));
    EXPECT_EQ(outcome.failures, (QList<DivertFailure>{{{0, 1}, phonelib::stNoAnswer}}));
    const DivertMessages texts = divertMessages(outcome, book.grid());
    EXPECT_EQ(texts.statusLine,
              "Umleitungen für Sprache abgefragt. Nicht gelesen: Sprache ..., wenn besetzt "
              "(keine Antwort)");
    EXPECT_TRUE(texts.boxTitle.isEmpty());
    EXPECT_EQ(cellText(cell(0, 1)), "unbekannt");

    noReply.delay = 17;  // not in the list: gets an entry of its own
    network.held[{1, 3}] = noReply;
    run([&] { book.queryAll(); });
    EXPECT_EQ(network.queries, 4 + 12);
    EXPECT_EQ(book.grid().delayChoices(1), (QList<int32_t>{5, 10, 15, 17, 20, 25, 30}));
}

TEST_F(Diverts, NoReplyDivertTakesTheChosenDelayOrFiveSeconds) {
    run([&] { book.queryClass(0); });
    const DivertOutcome outcome = run([&] { ASSERT_TRUE(book.setNumber(0, 3, "+4930123456")); });
    EXPECT_EQ(network.writes.back().delay, 5);  // never 0
    EXPECT_TRUE(outcome.succeeded());
    const DivertMessages texts = divertMessages(outcome, book.grid());
    EXPECT_EQ(texts.boxText, "Umleitung wurde erfolgreich gesetzt!");
    EXPECT_EQ(texts.statusLine, "Umleitung wurde geändert.");

    run([&] { book.setDelay(0, 20); });
    const TDivert& written = network.writes.back();
    EXPECT_EQ(written.reason, 3);
    EXPECT_EQ(written.active, 1);
    EXPECT_EQ(written.number, "+4930123456");
    EXPECT_EQ(written.delay, 20);
    EXPECT_EQ(book.grid().delay(0), 20);

    // Other reasons go with 5 s.
    run([&] { ASSERT_TRUE(book.setNumber(2, 1, "0301234")); });
    EXPECT_EQ(network.writes.back().delay, 5);
    EXPECT_EQ(network.announced.back(), (Key{3, 2}));
}

TEST_F(Diverts, ARefusalKeepsTheCellAndSaysWhy) {
    TDivert busy;
    busy.number = "0301111";
    network.held[{0, 1}] = busy;
    run([&] { book.queryClass(0); });
    network.refused = {{0, 1}};
    const DivertOutcome outcome = run([&] { ASSERT_TRUE(book.setNumber(0, 1, "0302222")); });
    EXPECT_EQ(cell(0, 1), (DivertCell{DivertState::Active, "0301111"}));
    const DivertMessages texts = divertMessages(outcome, book.grid());
    EXPECT_TRUE(texts.warning);
    EXPECT_EQ(texts.boxText, "Umleitung konnte nicht gesetzt werden!\nvom Netz abgelehnt");
    EXPECT_EQ(texts.statusLine, "Umleitung konnte nicht geändert werden. (vom Netz abgelehnt)");

    run([&] { book.switchOff(0, 1); });
    EXPECT_EQ(cell(0, 1).state, DivertState::Active);  // still what was read
}

TEST_F(Diverts, AnInvalidNumberSendsNothing) {
    EXPECT_FALSE(book.setNumber(0, 0, "01234abc"));
    EXPECT_FALSE(book.setNumber(0, 0, "  "));
    EXPECT_TRUE(network.writes.empty());
    EXPECT_TRUE(network.announced.empty());
    EXPECT_FALSE(book.busy());
}

// A write answered as done is read back; what the network holds wins.
TEST_F(Diverts, TheReadBackCatchesADivertTheNetworkDidNotKeep) {
    run([&] { book.queryClass(1); });
    network.notKept = {{1, 0}};
    const DivertOutcome outcome = run([&] { ASSERT_TRUE(book.setNumber(1, 0, "+4930123")); });
    EXPECT_EQ(outcome.notKept, (QList<DivertKey>{{1, 0}}));
    EXPECT_EQ(cell(1, 0).state, DivertState::Inactive);
    const DivertMessages texts = divertMessages(outcome, book.grid());
    EXPECT_TRUE(texts.warning);
    EXPECT_TRUE(texts.boxText.endsWith("Daten ..., jeden Anruf: nicht aktiviert"))
        << texts.boxText.toStdString();
    EXPECT_EQ(texts.statusLine, "Umleitung wurde vom Netz nicht übernommen.");
    // The read-back is a query: announced too.
    EXPECT_EQ(network.announced.back(), (Key{2, 1}));
}

TEST_F(Diverts, AllOffErasesWhatMayBeOnAndReportsEachFailure) {
    TDivert on;
    on.number = "0301";
    network.held[{0, 0}] = on;
    network.held[{2, 2}] = on;
    network.silent = {{1, 1}};  // unknown after the read: erased too
    run([&] { book.queryAll(); });
    network.silent.clear();
    network.refused = {{2, 2}};
    network.writes.clear();
    const DivertOutcome outcome = run([&] { book.allOff(); });
    ASSERT_EQ(network.writes.size(), 3u);
    EXPECT_EQ(outcome.failures, (QList<DivertFailure>{{{2, 2}, phonelib::stDivertRefused}}));
    EXPECT_EQ(cell(0, 0).state, DivertState::Inactive);
    EXPECT_EQ(cell(1, 1).state, DivertState::Inactive);
    EXPECT_EQ(cell(2, 2).state, DivertState::Active);
    const DivertMessages texts = divertMessages(outcome, book.grid());
    EXPECT_EQ(texts.boxText,
              "Nicht ausgeschaltet:\nFax ..., wenn nicht erreichbar (vom Netz abgelehnt)");

    const QStringList lines = divertListLines("Nokia 61xx", book.grid());
    EXPECT_TRUE(lines[0].startsWith("Rufumleitungen von Nokia 61xx, "));
    EXPECT_EQ(lines[2], "Umleiten...                   Sprache          Daten            Fax");
    EXPECT_EQ(lines[5], "..., wenn nicht erreichbar    nicht aktiviert  nicht aktiviert  0301");
}

}  // namespace
}  // namespace corvina
