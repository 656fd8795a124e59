// The phonebook requests and answers of the Nokia 61xx family on their bytes.
#include <gtest/gtest.h>

#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/phonebook.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "tests/support/libraryfixture.h"

using namespace phonelib;
using namespace phonelib::nokia;

namespace {

using Bytes = std::vector<uint8_t>;

TPhoneBookEntry entry(uint8_t memory, int32_t location, std::string name = {},
                      std::string number = {}) {
    TPhoneBookEntry e;
    e.memory = memory;
    e.location = location;
    e.name = std::move(name);
    e.numbers = {TNumberItem{std::move(number), 0, 1}};
    e.numberCount = 1;
    e.group.groupIndex = 2;
    return e;
}

Bytes written(const TPhoneBookEntry& e, uint8_t model, uint8_t expected = stDone) {
    Bytes body;
    EXPECT_EQ(buildEntryWrite(e, model, body), expected);
    return body;
}

TEST(PhonebookRequests, ReadsByMemory) {
    Bytes body;
    ASSERT_EQ(buildEntryRead(entry(memSim, 7), body), stDone);
    EXPECT_EQ(body, (Bytes{0x00, 0x01, 0x00, 0x01, 0x03, 0x07, 0x00}));
    ASSERT_EQ(buildEntryRead(entry(memMissed, 1), body), stDone);
    EXPECT_EQ(body[4], 0x09);
    ASSERT_EQ(buildEntryRead(entry(memCallerGroups, 0), body), stDone);
    EXPECT_EQ(body, (Bytes{0x00, 0x01, 0x00, 0x10, 0x00}));
    ASSERT_EQ(buildEntryRead(entry(memSpeedDials, 9), body), stDone);
    EXPECT_EQ(body, (Bytes{0x00, 0x01, 0x00, 0x16, 0x09}));

    EXPECT_EQ(buildEntryRead(entry(memAddressBook, 1), body), stNotAvailable);
    // 256 would read location 0, -1 location 255.
    EXPECT_EQ(buildEntryRead(entry(memSim, 256), body), stNoSuchLocation);
    EXPECT_EQ(buildEntryRead(entry(memSim, -1), body), stNoSuchLocation);
}

TEST(PhonebookRequests, WritesNamesOneOrTwoBytesWide) {
    EXPECT_EQ(written(entry(memPhone, 3, "Anna", "0301"), 14),
              (Bytes{0x00, 0x01, 0x00, 0x04, 0x02, 0x03, 0x04, 'A', 'n', 'n', 'a', 0x04, '0', '3',
                     '0', '1', 0x02}));
    const Bytes wide = written(entry(memSim, 3, "Anna", "0301"), 12);
    EXPECT_EQ(Bytes(wide.begin() + 4, wide.begin() + 17),
              (Bytes{0x03, 0x03, 0x0A, 0x00, 'A', 0x00, 'n', 0x00, 'n', 0x00, 'a', 0x00, 0x00}));
    EXPECT_EQ(wide.size(), 9u + 10 + 4);
    EXPECT_EQ(wideName("Anna").size(), 10u);
}

TEST(PhonebookRequests, EmptyNameAndNumberClearTheLocation) {
    EXPECT_EQ(written(entry(memSim, 4), 14),
              (Bytes{0x00, 0x01, 0x00, 0x04, 0x03, 0x04, 0x00, 0x00, 0xFF}));
    TPhoneBookEntry noNumbers = entry(memSim, 4);
    noNumbers.numbers.clear();
    EXPECT_EQ(written(noNumbers, 14).size(), 9u);
    // Model 13 still sends its two-byte terminator as the name.
    EXPECT_EQ(written(entry(memSim, 4), 13),
              (Bytes{0x00, 0x01, 0x00, 0x04, 0x03, 0x04, 0x02, 0x00, 0x00, 0x00, 0xFF}));
}

TEST(PhonebookRequests, NameAndNumberBeyond192BytesAreRefused) {
    EXPECT_EQ(written(entry(memSim, 1, std::string(100, 'a'), std::string(92, '1')), 14).size(),
              9u + 192);
    written(entry(memSim, 1, std::string(100, 'a'), std::string(93, '1')), 14, stTooLong);
    // Two bytes a character on model 12: 61 characters make 124 bytes.
    written(entry(memSim, 1, std::string(61, 'a'), std::string(69, '1')), 12, stTooLong);
    written(entry(memSim, 1, std::string(61, 'a'), std::string(68, '1')), 12);
}

TEST(PhonebookRequests, OnlyPhonebooksAndSpeedDialsAreWritten) {
    for (const uint8_t memory :
         {memAddressBook, memCallerGroups, memDialled, memReceived, memMissed}) {
        written(entry(memory, 1, "Anna", "0301"), 14, stNotAvailable);
    }
    written(entry(memSim, 300, "Anna", "0301"), 14, stNoSuchLocation);

    TPhoneBookEntry dial = entry(memSpeedDials, 3);
    dial.speedDialMemory = 1;
    dial.speedDialLocation = 42;
    EXPECT_EQ(written(dial, 14), (Bytes{0x00, 0x01, 0x00, 0x19, 0x03, 0x02, 0x2A}));
    dial.speedDialMemory = 0;
    EXPECT_EQ(written(dial, 14)[5], 0x03);
    dial.speedDialLocation = 256;
    written(dial, 14, stNoSuchLocation);
}

TEST(PhonebookAnswers, Entries) {
    TPhoneBookEntry e;
    auto group = decodeEntry(Bytes{0x01, 0x08, 0x00, 0x02, 0x03, 0x00, 0x00, 0x05}, e);
    EXPECT_EQ(group, 5);
    EXPECT_EQ(e.empty, 1);
    EXPECT_EQ(e.name, "");
    ASSERT_EQ(e.numberCount, 1);
    ASSERT_EQ(e.numbers.size(), 1u);
    EXPECT_EQ(e.numbers[0].number, "");
    EXPECT_EQ(e.numbers[0].isDefault, 1);

    // NUL bytes of 16-bit names are dropped.
    const Bytes wide = {0x01, 0x08, 0x00, 0x02, 0x03, 0x0A, 0x00, 'A', 0x00, 'n',
                        0x00, 'n',  0x00, 'a',  0x00, 0x00, 0x02, '1', '2',  0x01};
    group = decodeEntry(wide, e);
    EXPECT_EQ(e.name, "Anna");
    EXPECT_EQ(e.numbers[0].number, "12");
    EXPECT_EQ(e.empty, 0);
    EXPECT_EQ(group, 1);

    // Cut inside the number: what is there, no group.
    group = decodeEntry(Bytes{0x01, 0x08, 0x00, 0x02, 0x03, 0x02, 'A', 'b', 0x05, '1', '2'}, e);
    EXPECT_EQ(e.name, "Ab");
    EXPECT_EQ(e.numbers[0].number, "12");
    EXPECT_FALSE(group);
    // A name length reaching past the body.
    group = decodeEntry(Bytes{0x01, 0x08, 0x00, 0x02, 0x03, 0xFF, 'A'}, e);
    EXPECT_EQ(e.name, "A");
    EXPECT_EQ(e.numbers[0].number, "");
    EXPECT_FALSE(group);
}

TEST(PhonebookAnswers, MemoryStatusAndSpeedDials) {
    TCapacity capacity;
    decodeMemoryStatus(Bytes{0x01, 0x08, 0x00, 0x08, 0x03, 0xF0, 0x0A}, capacity);
    EXPECT_EQ(capacity.memory, memSim);
    EXPECT_EQ(capacity.free, 240);
    EXPECT_EQ(capacity.used, 10);
    decodeMemoryStatus(Bytes{0x01, 0x08, 0x00, 0x08, 0x42}, capacity);
    EXPECT_EQ(capacity.memory, 8);
    EXPECT_EQ(capacity.free, 240);  // not in the body: unchanged

    TPhoneBookEntry key = entry(memSpeedDials, 4);
    decodeSpeedDial(Bytes{0x01, 0x08, 0x00, 0x17, 0x02, 0x21}, key);
    EXPECT_EQ(key.memory, memPhone);
    EXPECT_EQ(key.location, 0x21);
    key.location = 4;
    decodeSpeedDial(Bytes{0x01, 0x08, 0x00, 0x17, 0x03, 0x00}, key);
    EXPECT_EQ(key.memory, memSim);
    EXPECT_EQ(key.location, 4);  // 0: the key keeps its location
    decodeSpeedDial(Bytes{0x01, 0x08, 0x00, 0x17, 0x00, 0x00}, key);
    EXPECT_EQ(key.memory, 8);
}

TEST(PhonebookAnswers, CallerGroups) {
    Bytes body = {0x01, 0x08, 0x00, 0x11, 0x01, 0x03, 'V',  'I', 'P',
                  0x10, 0x01, 0x00, 0x82, 0x00, 0x48, 0x0E, 0x01};
    for (int i = 0; i < 126; ++i) body.push_back(static_cast<uint8_t>(i + 1));
    TPhoneBookEntry group;
    EXPECT_EQ(decodeCallerGroup(body, group), 0x10);
    EXPECT_EQ(group.name, "VIP");
    EXPECT_EQ(group.empty, 0);
    EXPECT_EQ(group.group.width, 72);
    EXPECT_EQ(group.group.height, 14);
    EXPECT_EQ(group.group.size, 126);  // 130 in the answer, lowered to 72 × 14 / 8
    EXPECT_EQ(group.group.rowData[0], 1);
    EXPECT_EQ(group.group.rowData[125], 126);
    EXPECT_EQ(group.group.rowData[126], 0);

    // A picture cut short: what came, then zeros; nothing read past the end.
    body.resize(body.size() - 100);
    group.group.rowData.fill(0xEE);
    decodeCallerGroup(body, group);
    EXPECT_EQ(group.group.rowData[25], 26);
    EXPECT_EQ(group.group.rowData[26], 0);

    // Size and dimensions beyond the row data: cut at 1500 bytes.
    TPhoneBookEntry huge;
    decodeCallerGroup(
        Bytes{0x01, 0x08, 0x00, 0x11, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0x01},
        huge);
    EXPECT_EQ(huge.group.size, 1500);

    TPhoneBookEntry nameless;
    nameless.name = "old";
    EXPECT_EQ(decodeCallerGroup(Bytes{0x01, 0x08, 0x00, 0x11, 0x04, 0x00, 0x07}, nameless), 0x07);
    EXPECT_EQ(nameless.name, "");
    EXPECT_EQ(nameless.group.size, 0);
    EXPECT_FALSE(decodeCallerGroup(Bytes{0x01, 0x08, 0x00, 0x11, 0x04}, nameless));
}

class PhonebookProcedures : public testing_support::LibraryFixture {};

TEST_F(PhonebookProcedures, FixedAnswersSendNothing) {
    state().ModelId = 15;
    TPhoneBookEntry group = entry(memCallerGroups, 2, "left over");
    uint8_t result = 0;
    onLibraryThread([&] { result = ReadPhoneBookEntry(group); });
    EXPECT_EQ(result, stNotAvailable);
    EXPECT_EQ(group.name, "");
    EXPECT_EQ(group.empty, 1);

    TCapacity capacity;
    capacity.memory = memDialled;
    capacity.free = 7;
    onLibraryThread([&] { result = GetCapacity(capacity); });
    EXPECT_EQ(result, stNotAvailable);
    EXPECT_EQ(capacity.free, 0);
    EXPECT_EQ(capacity.used, 10);
    EXPECT_TRUE(link.written().empty());
}

}  // namespace
