// The message centre's rules without a window: typed text and counters,
// recipients, the store's order and places, reading and sending against a
// fake phone.
#include <gtest/gtest.h>

#include <map>

#include "corvina/messages/messagereading.h"
#include "corvina/messages/messagesending.h"
#include "corvina/messages/messagestore.h"
#include "corvina/messages/messagetext.h"
#include "phonelib/api/status.h"

namespace corvina {
namespace {

TEST(MessageText, FilterKeepsTheAlphabetAndBracketsAndMovesTheCursor) {
    int cursor = 5;
    EXPECT_EQ(filterMessageText(QStringLiteral("a@b£c[]äÄ€"), false, &cursor),
              QStringLiteral("abc[]äÄ"));
    EXPECT_EQ(cursor, 3) << "two characters before the cursor were removed";
    EXPECT_EQ(filterMessageText(QStringLiteral("a@€Ж"), true), QStringLiteral("a@€Ж"));
}

TEST(MessageText, CountersForLongTextsAndRecipients) {
    const MessageCounters c161 = countMessage(QString(161, u'x'), 3, false);
    EXPECT_EQ(c161.messages, 2);
    EXPECT_EQ(c161.total, 6);
    EXPECT_EQ(c161.recipients, 3);
    const MessageCounters c400 =
        countMessage(QString(200, u'a') + QStringLiteral("[]ä") + QString(197, u'b'), 2, false);
    EXPECT_EQ(c400.messages, 3);
    EXPECT_EQ(c400.total, 6);
    EXPECT_EQ(countMessage(QString(), 0, false).total, 0);
    EXPECT_EQ(countMessage(QStringLiteral("Ж"), 0, true).coding, sms::TextCoding::Ucs2);
}

TEST(MessageText, RecipientsAreCheckedByTheirNumberAndKeptOnce) {
    QStringList list;
    EXPECT_TRUE(addRecipient(list, QStringLiteral("Anna [+491701234567]")));
    EXPECT_EQ(recipientNumber(list.front()), QStringLiteral("+491701234567"));
    EXPECT_FALSE(addRecipient(list, QStringLiteral("00491701234567"))) << "same number";
    EXPECT_FALSE(addRecipient(list, QStringLiteral("Bernd"))) << "letters are no number";
    EXPECT_FALSE(addRecipient(list, QStringLiteral("Bernd [017012")));
    EXPECT_FALSE(addRecipient(list, QStringLiteral("a:b [0170]")));
    EXPECT_TRUE(addRecipient(list, QStringLiteral("3311")));
    EXPECT_EQ(list.size(), 2);
}

GSMSMS stamped(const char* date, const char* time, uint8_t status = 0) {
    GSMSMS m;
    m.date = date;
    m.time = time;
    m.status = status;
    return m;
}

TEST(MessageStore, NewestFirstWithinAFolderAcrossTheCentury) {
    MessageStore store;
    store.add({stamped("31.12.99", "23:59:59"), 0, 1, "Eingang"});
    store.add({stamped("01.01.00", "00:00:01"), 0, 2, "Eingang"});
    store.add({stamped("01.01.05", "00:00:00", 2), 0, 3, "Ausgang"});
    store.add({stamped("01.01.04", "00:00:00", 2), 0, 4, "Ausgang"});
    store.add({stamped("01.01.04", "00:00:00", 1), 0, 5, "..."});
    store.sortNewestFirst();
    EXPECT_EQ(store.at(0).location, 2) << "2000 is newer than 1999";
    EXPECT_EQ(store.at(1).location, 1);
    EXPECT_EQ(store.at(2).location, 3);
    EXPECT_EQ(store.shown(QString()).size(), 4u) << "status 1 is not listed";
    EXPECT_EQ(store.shown(QStringLiteral("Ausgang")), (std::vector<int>{2, 3}));
    EXPECT_EQ(tableText(QStringLiteral("a\r\nb")), QStringLiteral("a......b"));
}

GSMSMS part(const char* text, std::string header, const char* number = "0170") {
    GSMSMS m = stamped("01.01.01", "12:00:00");
    m.utf8Text = text;
    m.remoteNumber = number;
    m.userDataHeader = std::string(1, static_cast<char>(header.size())) + header;
    return m;
}

// The parts of long messages make one row each, in part order, whatever
// order the phone kept them in; a missing part is marked; a second copy of a
// part, another sender, another reference or 8-bit data stay rows of their own.
TEST(MessageStore, PartsOfALongMessageMakeOneRowWithGapsMarked) {
    MessageStore store;
    const std::string ref7 = std::string("\x00\x03\x07\x03", 4);
    store.add({part("drei", ref7 + '\x03'), 0, 1, "Eingang"});
    store.add({part("eins", ref7 + '\x01'), 0, 2, "Eingang"});
    store.add({part("allein", {}), 0, 3, "Eingang"});
    store.add({part("A", std::string("\x08\x04\x01\x07\x02\x01", 6)), 0, 4, "Eingang"});
    store.add({part("B", std::string("\x08\x04\x01\x07\x02\x02", 6)), 0, 5, "Eingang"});
    store.add({part("eins!", ref7 + '\x01'), 0, 6, "Eingang"});
    store.add({part("anders", ref7 + '\x02', "0180"), 0, 7, "Eingang"});
    GSMSMS data = part("", ref7 + '\x02');
    data.eightBit = 1;
    store.add({data, 0, 8, "Eingang"});

    const auto rows = store.rows(QString());
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].parts, (std::vector<int>{1, 0}));
    EXPECT_EQ(rows[0].missing, (std::vector<int>{2}));
    EXPECT_EQ(store.rowText(rows[0], "[Teil %1 fehlt]"), "eins[Teil 2 fehlt]drei");
    EXPECT_EQ(store.rowText(rows[1], "-"), "allein");
    EXPECT_EQ(store.rowText(rows[2], "-"), "AB") << "16-bit reference";
    EXPECT_EQ(rows[3].parts, (std::vector<int>{5})) << "a second part 1 starts a new message";
    EXPECT_EQ(store.rowText(rows[4], "[%1]"), "[1]anders[3]");
    EXPECT_EQ(rows[5].parts, (std::vector<int>{7}));
}

tsmsinfo twoFolders() {
    tsmsinfo info;
    info.folderCount = 3;
    info.folders[0] = {2, "Eingang", 2, {}};
    info.folders[0].locations[0] = 1;
    info.folders[0].locations[1] = 3;
    info.folders[1] = {3, "Ausgang", 1, {}};
    info.folders[1].locations[0] = 2;
    info.folders[2] = {8, "Vorlagen", 1, {}};
    info.folders[2].locations[0] = 1;
    return info;
}

TEST(MessageStore, DeleteMoveAndCopyKeepTheFolderListTrue) {
    MessageStore store;
    store.setFolders(twoFolders());
    store.add({stamped("01.01.01", "10:00:00"), 2, 1, "Eingang"});
    store.add({stamped("01.01.01", "11:00:00"), 2, 3, "Eingang"});
    store.add({stamped("01.01.01", "12:00:00", 2), 3, 2, "Ausgang"});
    EXPECT_EQ(store.freeLocation(3), 4);
    EXPECT_EQ(store.freeLocation(8), 2) << "folder 8 counts apart";
    store.remove(0);
    EXPECT_EQ(store.count(), 2);
    EXPECT_EQ(store.folders().folders[0].messageCount, 1);
    EXPECT_EQ(store.freeLocation(3), 1) << "a deleted message frees its place";
    const int copy = store.copyTo(0, 3, 1);
    EXPECT_EQ(store.at(copy).folder, QStringLiteral("Ausgang"));
    EXPECT_EQ(store.folders().folders[1].messageCount, 2);
    store.moveTo(0, 8, 2);
    EXPECT_EQ(store.at(0).folder, QStringLiteral("Vorlagen"));
    EXPECT_EQ(store.folders().folders[0].messageCount, 0);
    EXPECT_EQ(store.folders().folders[2].messageCount, 2);
}

// A phone of `stored` messages by location, answering `end` after the last
// one and `failure` at location `failAt`.
struct FakeLocations {
    std::map<int, GSMSMS> stored;
    uint8_t end = phonelib::stNoSuchLocation;
    int failAt = 0;
    uint8_t failure = phonelib::stNoAnswer;
    int busyOnce = 0;
    int reads = 0;

    MessageCalls calls() {
        MessageCalls c;
        c.folders = [](tsmsinfo& info) {
            info.folderCount = 2;
            return uint8_t{1};
        };
        c.read = [this](uint8_t, int32_t location, GSMSMS& m) -> uint8_t {
            if (busyOnce-- > 0) return phonelib::stCallInProgress;
            ++reads;
            if (location == failAt) return failure;
            if (location > 250) return end;
            auto found = stored.find(location);
            if (found == stored.end()) return phonelib::stEmptyLocation;
            m = found->second;
            return 1;
        };
        return c;
    }
};

ReadState runRead(MessageReading& reading) {
    for (int guard = 0; guard < 10000 && reading.step() == ReadState::Running; ++guard) {
    }
    return reading.state();
}

TEST(MessageReading, LocationReadEndsAtTheMemoryEndOrSaysWhereItStopped) {
    FakeLocations phone;
    for (int location = 1; location <= 250; location += 2)
        phone.stored[location] = stamped("01.02.03", "04:05:06", location % 4 == 1 ? 0 : 2);
    phone.busyOnce = 3;
    MessageReading whole(phone.calls(), 12, "Eingang", "Ausgang");
    EXPECT_EQ(runRead(whole), ReadState::Done);
    EXPECT_EQ(whole.store().count(), 125);
    EXPECT_EQ(whole.store().at(0).folder, QStringLiteral("Eingang"));

    phone.failAt = 120;
    phone.stored.clear();
    for (int location = 1; location <= 250; ++location)
        phone.stored[location] = stamped("01.02.03", "04:05:06");
    MessageReading cut(phone.calls(), 12, "Eingang", "Ausgang");
    EXPECT_EQ(runRead(cut), ReadState::Incomplete);
    EXPECT_EQ(cut.store().count(), 119);
    EXPECT_TRUE(cut.summary().contains(QStringLiteral("Nr. 120"))) << cut.summary().toStdString();

    // A Siemens phone ends at 20; 17 there is a memory failure, not the end.
    phone.failAt = 0;
    phone.end = phonelib::stInvalidIndex;
    MessageReading siemens(phone.calls(), 3, "Eingang", "Ausgang");
    EXPECT_EQ(runRead(siemens), ReadState::Done);
    phone.end = phonelib::stNoSuchLocation;
    MessageReading wrongEnd(phone.calls(), 3, "Eingang", "Ausgang");
    EXPECT_EQ(runRead(wrongEnd), ReadState::Incomplete);
}

TEST(MessageReading, FolderPhoneReadsTheListedLocationsAndAFailedListKeepsNothing) {
    std::vector<std::pair<int, int>> asked;
    MessageCalls calls;
    calls.folders = [](tsmsinfo& info) {
        info = twoFolders();
        return uint8_t{1};
    };
    calls.read = [&](uint8_t folder, int32_t location, GSMSMS& m) -> uint8_t {
        asked.emplace_back(folder, location);
        m = stamped("01.01.01", "00:00:00");
        return 1;
    };
    MessageReading reading(calls, 20, "", "");
    EXPECT_EQ(runRead(reading), ReadState::Done);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 1}, {2, 3}, {3, 2}, {8, 1}}));
    EXPECT_EQ(reading.store().at(3).folder, QStringLiteral("Vorlagen"));

    calls.folders = [](tsmsinfo&) { return uint8_t{3}; };
    MessageReading failed(calls, 20, "", "");
    EXPECT_EQ(runRead(failed), ReadState::Failed);
    EXPECT_FALSE(failed.hasStore());
    EXPECT_FALSE(failed.summary().isEmpty());
}

TEST(MessageSending, EveryRecipientIsTriedAndTheSummaryNamesThoseNotReached) {
    std::vector<std::string> sentTo;
    MessageCalls calls;
    calls.send = [&](const GSMSMS& m, int32_t index, int32_t count) -> uint8_t {
        EXPECT_EQ(count, 3);
        sentTo.push_back(m.remoteNumber);
        return index == 1 ? phonelib::stRefused : 1;
    };
    MessageSending sending(calls,
                           {QStringLiteral("Anna [0170111]"), QStringLiteral("Müll"),
                            QStringLiteral("0170222"), QStringLiteral("0170333")},
                           QString(400, u'x'), SendOptions{"+49172", false, true, 5, false});
    EXPECT_EQ(sending.recipients(), 3);
    while (sending.step() == SendState::Running) {
    }
    EXPECT_EQ(sending.state(), SendState::Incomplete);
    EXPECT_EQ(sentTo, (std::vector<std::string>{"0170111", "0170222", "0170333"}))
        << "the number goes out, not the name";
    EXPECT_EQ(sending.reached(), 2);
    const QString summary = sending.summary();
    EXPECT_TRUE(summary.contains(QStringLiteral("Anna [0170111]: nicht erreicht")))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Müll: keine gültige Nummer")));
}

TEST(MessageSending, NothingIsSentWithoutAUsableRecipientOrForTenParts) {
    int sends = 0;
    MessageCalls calls;
    calls.send = [&](const GSMSMS&, int32_t, int32_t) -> uint8_t { return ++sends, 1; };
    MessageSending nobody(calls, {QStringLiteral("Otto")}, QStringLiteral("Hallo"), {});
    EXPECT_EQ(nobody.step(), SendState::Refused);
    MessageSending tooLong(calls, {QStringLiteral("0170")}, QString(9 * 153 + 1, u'x'), {});
    EXPECT_EQ(tooLong.step(), SendState::Refused);
    EXPECT_TRUE(tooLong.summary().contains(QStringLiteral("10 Nachrichten")));
    EXPECT_EQ(sends, 0);
}

}  // namespace
}  // namespace corvina
