// The phonebook and message answers of the simulated phone where a PC reads
// them, what it keeps of what it is sent, and the fixture sections behind
// them.
#include <gtest/gtest.h>

#include "phonesim/nokia61xx/requests.h"
#include "tests/phonesim/pcside.h"

using namespace phonesim;
using namespace phonesim_test;

namespace {

Message answer03(Bytes body) {
    return {0x03, std::move(body)};
}

class PhoneSide : public ::testing::Test {
  protected:
    PhoneSide() : bench(Fixture::forModel(QStringLiteral("NSE-3"))) {}
    Fixture& fixture() { return bench.engine.fixture(); }
    Bench bench;
};

TEST_F(PhoneSide, EntriesEmptyLocationsAndErrors) {
    // Byte 4 is 00 in every entry answer, whatever the memory.
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x03, 0x01, 0x00}),
              answer03({0x00, 0x01, 0x00, 0x02, 0x00, 0x04, 'A', 'n', 'n', 'a', 0x0B, '+',
                        '4',  '9',  '3',  '0',  '1',  '2',  '3', '4', '5', '6', 0x00}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x03, 0x03, 0x00}),
              answer03({0x00, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x05}));
    for (const uint8_t location : {0, 251}) {
        EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x03, location, 0x00}),
                  answer03({0x00, 0x01, 0x00, 0x03, 0x7D}));
    }
    // Call lists hold ten locations; a call goes on with 01 and its time.
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x07, 0x01, 0x00}),
              answer03({0x00, 0x01, 0x00, 0x02, 0x00, 0x04, 'A',  'n',  'n', 'a', 0x0B,
                        '+',  '4',  '9',  '3',  '0',  '1',  '2',  '3',  '4', '5', '6',
                        0x05, 0x01, 0x07, 0xD1, 0x05, 0x0C, 0x0A, 0x1E, 0x2D}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x09, 0x0A, 0x00}),
              answer03({0x00, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x05}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x09, 0x0B, 0x00}),
              answer03({0x00, 0x01, 0x00, 0x03, 0x7D}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x07, 0x02}),
              answer03({0x00, 0x01, 0x00, 0x08, 0x02, 199, 1}));
}

TEST_F(PhoneSide, WritesAndClearsEntries) {
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x04, 0x02, 0x09, 0x02, 'J', 0xF6, 0x02, '1',
                                    '2', 0x03}),
              answer03({0x00, 0x01, 0x00, 0x05, 0x02, 0x09}));
    EXPECT_EQ(fixture().phonebook.phone.entries.at(9),
              (PhonebookEntry{QStringLiteral("Jö"), QStringLiteral("12"), 3}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x04, 0x02, 0x09, 0x00, 0x00, 0xFF}),
              answer03({0x00, 0x01, 0x00, 0x05, 0x02, 0x09}));
    EXPECT_FALSE(fixture().phonebook.phone.entries.contains(9));
    // A name that runs past the body, a call list, a location beyond the memory.
    for (const Bytes& bad : {Bytes{0x00, 0x01, 0x00, 0x04, 0x02, 0x09, 0x09, 'J'},
                             Bytes{0x00, 0x01, 0x00, 0x04, 0x07, 0x01, 0x00, 0x00, 0xFF},
                             Bytes{0x00, 0x01, 0x00, 0x04, 0x02, 0xC9, 0x00, 0x00, 0xFF}}) {
        EXPECT_EQ(bench.answerTo(0x03, bad), answer03({0x00, 0x01, 0x00, 0x06, 0x7D}));
    }
}

TEST_F(PhoneSide, RefusedLocationsAndAnAbsentMemory) {
    fixture().phonebook.sim.refused = {1};
    fixture().phonebook.phone.absent = true;
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x03, 0x01, 0x00}),
              answer03({0x00, 0x01, 0x00, 0x03, 0x7D}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x04, 0x03, 0x01, 0x01, 'X', 0x00, 0xFF}),
              answer03({0x00, 0x01, 0x00, 0x06, 0x7D}));
    EXPECT_EQ(fixture().phonebook.sim.entries.at(1).name, QStringLiteral("Anna"));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x07, 0x02}),
              answer03({0x00, 0x01, 0x00, 0x09, 0x7D}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x02, 0x01, 0x00}),
              answer03({0x00, 0x01, 0x00, 0x03, 0x7D}));
    // The neighbours answer as before.
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x03, 0x03, 0x00}),
              answer03({0x00, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x05}));
}

TEST_F(PhoneSide, SixteenBitNamesOnThe3310Class) {
    fixture().identity.modelCode = QStringLiteral("NHM-5");
    ASSERT_TRUE(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x04, 0x03, 0x02, 0x06, 0x00, 'O', 0x00,
                                      'x', 0x00, 0x00, 0x00, 0xFF}));
    ASSERT_TRUE(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x04, 0x03, 0x02, 0x06, 0x00, 'O', 0x00,
                                      'x', 0x00, 0x00, 0x01, '5', 0x01}));
    EXPECT_EQ(fixture().phonebook.sim.entries.at(2).name, QStringLiteral("Ox"));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x01, 0x03, 0x02, 0x00}),
              answer03({0x00, 0x01, 0x00, 0x02, 0x00, 0x06, 0x00, 'O', 0x00, 'x', 0x00, 0x00, 0x01,
                        '5', 0x01}));
}

TEST_F(PhoneSide, CallerGroupsAndSpeedDials) {
    const auto group = bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x10, 0x00});
    ASSERT_TRUE(group);
    const Bytes& d = group->body;
    ASSERT_EQ(d.size(), 21u + 126);
    EXPECT_EQ(Bytes(d.begin(), d.begin() + 21),
              (Bytes{0x00, 0x01, 0x00, 0x11, 0x00, 0x07, 'F',  'a', 'm', 'i', 'l',
                     'i',  'e',  16,   0x01, 0x00, 130,  0x00, 72,  14,  0x01}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x10, 0x05}),
              answer03({0x00, 0x01, 0x00, 0x11, 0x05, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00,
                        0x00, 0x01}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x10, 0x06}),
              answer03({0x00, 0x01, 0x00, 0x12, 0x7D}));

    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x16, 0x09}),
              answer03({0x00, 0x01, 0x00, 0x17, 0x02, 0x01}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x16, 0x05}),
              answer03({0x00, 0x01, 0x00, 0x17, 0x00, 0x00}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x19, 0x05, 0x03, 0x07}),
              answer03({0x00, 0x01, 0x00, 0x1A}));
    EXPECT_EQ(fixture().phonebook.speedDials.at(5), (SpeedDial{false, 7}));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x19, 0x05, 0x03, 0x00}),
              answer03({0x00, 0x01, 0x00, 0x1A}));
    EXPECT_FALSE(fixture().phonebook.speedDials.contains(5));
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x19, 0x01, 0x03, 0x07}),
              answer03({0x00, 0x01, 0x00, 0x1B, 0x7D}));
}

TEST_F(PhoneSide, CallerGroupWrites) {
    // Group 1 becomes "Ab" with ringtone 7 and a 8 x 2 logo of two bytes.
    EXPECT_EQ(bench.answerTo(0x03, {0x00, 0x01, 0x00, 0x13, 0x01, 0x02, 'A', 'b', 0x07, 0x01, 0x00,
                                    0x06, 0x00, 0x08, 0x02, 0x01, 0xAA, 0x55}),
              answer03({0x00, 0x01, 0x00, 0x14}));
    const CallerGroup group = fixture().phonebook.callerGroups.at(1);
    EXPECT_EQ(group.name, QStringLiteral("Ab"));
    EXPECT_EQ(group.ringtone, 7);
    EXPECT_TRUE(group.logoOn);
    EXPECT_EQ(group.logo.width, 8);
    EXPECT_EQ(group.logo.data, QByteArray("\xAA\x55", 2));
    // "No group", a name past the body, a picture shorter than its size field.
    for (const Bytes& bad :
         {Bytes{0x00, 0x01, 0x00, 0x13, 0x05, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x01},
          Bytes{0x00, 0x01, 0x00, 0x13, 0x01, 0x09, 'A'},
          Bytes{0x00, 0x01, 0x00, 0x13, 0x01, 0x00, 0x07, 0x01, 0x00, 0x08, 0x00, 0x08, 0x02, 0x01,
                0xAA}}) {
        EXPECT_EQ(bench.answerTo(0x03, bad), answer03({0x00, 0x01, 0x00, 0x15, 0x7D}));
    }
    EXPECT_EQ(fixture().phonebook.callerGroups.at(1), group);
}

TEST_F(PhoneSide, StoredMessageLayoutByStatus) {
    StoredMessage sent;
    sent.status = 2;
    sent.number = QStringLiteral("0301");
    sent.timestamp = QDateTime({2001, 5, 12}, {10, 30, 45});
    sent.text = QStringLiteral("hallo");
    MessageCentre centre;
    centre.number = QStringLiteral("+4917");
    centre.validity = 0xAD;
    const Bytes d = nokia61xx::storedMessageBody(4, sent, centre);
    const size_t o = 5;
    ASSERT_EQ(d.size(), o + 39 + 5);
    // Read, on the SIM (02), location 4, outgoing; the centre +4917.
    EXPECT_EQ(Bytes(d.begin(), d.begin() + 13), (Bytes{0x00, 0x01, 0x00, 0x08, 0x01, 0x02, 0x04,
                                                       0x02, 0x03, 0x91, 0x94, 0x71, 0x00}));
    EXPECT_EQ(d[20], 0x11);
    EXPECT_EQ(Bytes(d.begin() + o + 18, d.begin() + o + 24), (Bytes{0x00, 5, 4, 0x81, 0x30, 0x10}));
    // An outgoing message keeps its validity where a received one has its
    // time stamp.
    EXPECT_EQ(Bytes(d.begin() + o + 32, d.begin() + o + 38), (Bytes{0xAD, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(d.begin() + o + 39, d.end()), (Bytes{0xE8, 0x30, 0x9B, 0xFD, 0x06}));
    sent.status = 0;
    const Bytes received = nokia61xx::storedMessageBody(4, sent, centre);
    EXPECT_EQ(received[20], 0x04);
    EXPECT_EQ(Bytes(received.begin() + 4 + 32, received.begin() + 4 + 38),
              (Bytes{0x10, 0x50, 0x21, 0x01, 0x03, 0x54}));

    EXPECT_EQ(bench.answerTo(0x02, {0x00, 0x01, 0x00, 0x07, 0x02, 0x03, 0x01, 0x64}),
              (Message{0x14, {0x00, 0x01, 0x00, 0x09, 0x07}}));
    EXPECT_EQ(bench.answerTo(0x02, {0x00, 0x01, 0x00, 0x07, 0x02, 0x10, 0x01, 0x64}),
              (Message{0x14, {0x00, 0x01, 0x00, 0x09, 0x02}}));
    EXPECT_EQ(bench.answerTo(0x14, {0x00, 0x01, 0x00, 0x0A, 0x02, 0x01}),
              (Message{0x14, {0x00, 0x01, 0x00, 0x0B}}));
    EXPECT_EQ(bench.answerTo(0x14, {0x00, 0x01, 0x00, 0x0A, 0x02, 0x01}),
              (Message{0x14, {0x00, 0x01, 0x00, 0x0C, 0x02}}));
}

TEST_F(PhoneSide, MessageCentre) {
    const auto centre = bench.answerTo(0x02, {0x00, 0x01, 0x00, 0x33, 0x64, 0x01});
    ASSERT_TRUE(centre);
    const Bytes& d = centre->body;
    // Format (text) at 6, validity (a week) at 8, no default recipient at
    // 9–20, the centre padded to its twelve bytes at 21–32, then its name.
    ASSERT_EQ(d.size(), 33u + 8u);
    EXPECT_EQ(d[3], 0x34);
    EXPECT_EQ(d[6], 0x00);
    EXPECT_EQ(d[8], 0xAD);
    EXPECT_EQ(d[9], 0x00);
    EXPECT_EQ(Bytes(d.begin() + 21, d.begin() + 33),
              (Bytes{0x07, 0x91, 0x94, 0x71, 0x22, 0x72, 0x30, 0x33, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(d.begin() + 33, d.end()), (Bytes{'T', 'e', 'l', 'e', 'k', 'o', 'm', 0x00}));
    EXPECT_EQ(bench.answerTo(0x02, {0x00, 0x01, 0x00, 0x33, 0x64, 0x02}),
              (Message{0x02, {0x00, 0x01, 0x00, 0x35, 0x02}}));

    // Set: the same fields one byte further on. A recipient of 01 00 (as
    // gnokii writes "none") is no number.
    Bytes set = {0x00, 0x01, 0x00, 0x30, 0x64, 0x01, 0x00, 0x00, 0x00, 0xA7, 0x01, 0x00};
    set.resize(22, 0x00);
    set.insert(set.end(), {0x05, 0x91, 0x94, 0x71, 0x01, 0x67, 0, 0, 0, 0, 0, 0, 'V', 'F', 0x00});
    EXPECT_EQ(bench.answerTo(0x02, set), (Message{0x02, {0x00, 0x01, 0x00, 0x31}}));
    const MessageCentre& kept = fixture().messages.centre;
    EXPECT_EQ(kept.number, QStringLiteral("+49171076"));
    EXPECT_EQ(kept.name, QStringLiteral("VF"));
    EXPECT_EQ(kept.validity, 0xA7);
    EXPECT_TRUE(kept.recipient.isEmpty());
}

// A SUBMIT body as the PC builds it: centre +4917, destination 0301, the
// first octet, data coding and user data given.
Bytes submit(uint8_t firstOctet, uint8_t dcs, uint8_t length, const Bytes& userData) {
    Bytes body(42, 0x00);
    const Bytes head = {0x00, 0x01, 0x00, 0x01, 0x02, 0x00, 0x03, 0x91, 0x94, 0x71};
    std::copy(head.begin(), head.end(), body.begin());
    body[18] = firstOctet;
    body[21] = dcs;
    body[22] = length;
    body[23] = 4;
    body[24] = 0x81;
    body[25] = 0x30;
    body[26] = 0x10;
    body[35] = 0xAD;
    body.insert(body.end(), userData.begin(), userData.end());
    body.push_back(0x00);
    return body;
}

Bytes concatenated(uint8_t part, const Bytes& data) {
    Bytes userData = {0x0B, 0x05, 0x04, 0x15, 0x83, 0x00, 0x00, 0x00, 0x03, 0x2A, 0x02, part};
    userData.insert(userData.end(), data.begin(), data.end());
    return submit(0x51, 0xF5, static_cast<uint8_t>(userData.size()), userData);
}

const Message kTaken = {0x02, {0x00, 0x01, 0x00, 0x02, 0x00}};
const Message kRefused = {0x02, {0x00, 0x01, 0x00, 0x03, 0x6F}};

TEST_F(PhoneSide, KeepsTextsAndJoinsParts) {
    EXPECT_EQ(bench.answerTo(0x02, submit(0x11, 0x00, 5, {0xE8, 0x30, 0x9B, 0xFD, 0x06})), kTaken);
    ASSERT_EQ(fixture().messages.received.size(), 1u);
    const ReceivedMessage text = fixture().messages.received[0];
    EXPECT_EQ(text.text, QStringLiteral("hallo"));
    EXPECT_EQ(text.number, QStringLiteral("0301"));
    EXPECT_EQ(text.centre, QStringLiteral("+4917"));
    EXPECT_EQ(text.validity, 0xAD);

    // Part 2 first: nothing is complete until part 1 comes.
    EXPECT_EQ(bench.answerTo(0x02, concatenated(2, {0x03, 0x04})), kTaken);
    EXPECT_EQ(fixture().messages.received.size(), 1u);
    EXPECT_EQ(bench.answerTo(0x02, concatenated(1, {0x01, 0x02})), kTaken);
    ASSERT_EQ(fixture().messages.received.size(), 2u);
    const ReceivedMessage joined = fixture().messages.received[1];
    EXPECT_EQ(joined.port, 0x1583);
    EXPECT_EQ(joined.parts, 2);
    EXPECT_EQ(joined.data, QByteArray::fromHex("01020304"));
}

TEST_F(PhoneSide, RefusesUnreadableAndChosenParts) {
    EXPECT_EQ(bench.answerTo(0x02, {0x00, 0x01, 0x00, 0x01, 0x02}), kRefused);
    Bytes lying = submit(0x11, 0x00, 160, {0xE8});  // more user data claimed than sent
    EXPECT_EQ(bench.answerTo(0x02, lying), kRefused);
    fixture().messages.refusePart = 2;
    EXPECT_EQ(bench.answerTo(0x02, concatenated(1, {0x01})), kTaken);
    EXPECT_EQ(bench.answerTo(0x02, concatenated(2, {0x02})), kRefused);
    EXPECT_TRUE(fixture().messages.received.empty());
}

TEST(PhoneSideFixture, SectionsRoundTripAndMistakesAreNamed) {
    const Fixture shipped = Fixture::forModel(QStringLiteral("NSE-3"));
    EXPECT_EQ(shipped.phonebook.sim.capacity, 250);
    EXPECT_EQ(shipped.phonebook.callerGroups.size(), 5u);
    Fixture changed = shipped;
    changed.messages.received.push_back({QStringLiteral("+49"),
                                         QStringLiteral("+4917"),
                                         0x51,
                                         0xF5,
                                         0xAD,
                                         0x1581,
                                         2,
                                         {},
                                         QByteArray("\x01\xFF", 2)});
    changed.messages.stored[9] = {2,
                                  true,
                                  QStringLiteral("0301"),
                                  {},
                                  {},
                                  QByteArray("\xCA", 1),
                                  true,
                                  QByteArray("\x02\x00\x00", 3)};
    changed.messages.centre.type = 0xA1;
    changed.phonebook.sim.refused = {17, 30};
    changed.phonebook.phone.absent = true;
    QString error;
    const auto back = Fixture::fromJson(changed.toJson(), &error);
    ASSERT_TRUE(back) << qPrintable(error);
    EXPECT_EQ(*back, changed);

    const struct {
        const char* json;
        const char* mentions;
    } cases[] = {
        {R"({"phonebook": {"sim": {"entries": [{"location": 251}]}}})",
         "phonebook.sim.entries[0].location"},
        {R"({"phonebook": {"sim": {"entries": [{"name": "x"}]}}})", "phonebook.sim.entries[0]"},
        {R"({"phonebook": {"callerGroups": [{"logo": {"width": 8, "height": 8, "data": "00"}}]}})",
         "phonebook.callerGroups[0].logo"},
        {R"({"phonebook": {"speedDials": [{"key": 1}]}})", "phonebook.speedDials[0].key"},
        {R"({"phonebook": {"sim": {"refused": [3, 0]}}})", "phonebook.sim.refused[1]"},
        {R"({"messages": {"stored": [{"location": 1, "header": "0500"}]}})",
         "messages.stored[0].header"},
        {R"({"messages": {"stored": [{"location": 1, "timestamp": "gestern"}]}})",
         "messages.stored[0].timestamp"},
        {R"({"messages": {"centre": {"number": "x"}}})", "messages.centre.number"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Fixture::fromJson(c.json, &error)) << c.json;
        EXPECT_TRUE(error.contains(QLatin1String(c.mentions)))
            << c.json << ": " << qPrintable(error);
    }
}

}  // namespace
