// The 7110 family's phonebook against the simulated phone: entries as typed
// blocks with several numbers and texts, writing and deleting, caller
// groups with their logos, speed dials, call lists and memory status.
#include "tests/phonelib/e2e/requestlog.h"
#include "tests/phonelib/e2e/simulatedphone.h"
#include "tests/support/testbitmaps.h"

using namespace phonelib;
using testing_support::requestBodies;
using testing_support::SimulatedPhoneTest;

namespace {

TPhoneBookEntry entryAt(uint8_t memory, int32_t location) {
    TPhoneBookEntry entry;
    entry.memory = memory;
    entry.location = location;
    return entry;
}

class Phonebook7110 : public SimulatedPhoneTest {
  protected:
    void SetUp() override {
        SimulatedPhoneTest::SetUp();
        startPhone("NSE-5");
        ASSERT_EQ(connect(), stDone);
    }
};

TEST_F(Phonebook7110, AnEntryWithSeveralNumbersAndTexts) {
    auto entry = entryAt(memPhone, 2);
    ASSERT_EQ(ReadPhoneBookEntry(entry), stDone);
    EXPECT_EQ(entry.empty, 0);
    EXPECT_EQ(entry.name, "Anna Meier");
    ASSERT_EQ(entry.numberCount, 3);
    EXPECT_EQ(entry.numbers[0].number, "+491701234567");
    EXPECT_EQ(entry.numbers[0].type, ntMobile);
    EXPECT_EQ(entry.numbers[0].isDefault, 1);
    EXPECT_EQ(entry.numbers[1].number, "030123456");
    EXPECT_EQ(entry.numbers[1].type, ntHome);
    EXPECT_EQ(entry.numbers[2].type, ntWork);
    EXPECT_EQ(entry.numbers[2].isDefault, 0);
    ASSERT_EQ(entry.textCount, 3);
    EXPECT_EQ(entry.texts[0].text, "anna@example.org");
    EXPECT_EQ(entry.texts[0].type, ttEmail);
    EXPECT_EQ(entry.texts[1].type, ttPostal);
    EXPECT_EQ(entry.texts[2].text, "Geburtstag im August");
    EXPECT_EQ(entry.texts[2].type, ttNote);
    EXPECT_EQ(entry.group.groupIndex, 0);
    // The request names the phone memory (05) and the location in 16 bits.
    EXPECT_EQ(requestBodies(*sim, 0x03, 0x07).back(),
              (std::vector<uint8_t>{0x00, 0x01, 0x01, 0x07, 0x01, 0x01, 0x00, 0x01, 0x02, 0x05,
                                    0x00, 0x02, 0x00, 0x00}));

    auto empty = entryAt(memPhone, 3);
    empty.name = "left over";
    ASSERT_EQ(ReadPhoneBookEntry(empty), stDone);
    EXPECT_EQ(empty.empty, 1);
    EXPECT_EQ(empty.name, "");

    auto dialled = entryAt(memDialled, 1);
    ASSERT_EQ(ReadPhoneBookEntry(dialled), stDone);
    EXPECT_EQ(dialled.name, "Anna");
    EXPECT_EQ(dialled.memory, memDialled);

    TCapacity capacity;
    capacity.memory = memPhone;
    ASSERT_EQ(GetCapacity(capacity), stDone);
    EXPECT_EQ(capacity.used, 2);
    EXPECT_EQ(capacity.total, 1000);
    capacity.memory = memCallerGroups;
    EXPECT_EQ(GetCapacity(capacity), stNotAvailable);
}

TEST_F(Phonebook7110, WrittenEntriesComeBackAndEmptyOnesAreDeleted) {
    auto entry = entryAt(memSim, 7);
    entry.name = "J\xF6rg";
    entry.numbers = {TNumberItem{"0301111", ntHome, 0}, TNumberItem{"+4917022", ntMobile, 1}};
    entry.numberCount = 2;
    entry.texts = {TTextItem{"j@example.org", ttEmail, 0}, TTextItem{"Hof 2", ttPostal, 0},
                   TTextItem{"www.example.org", ttUrl, 0}};
    entry.textCount = 3;
    entry.group.groupIndex = 2;
    ASSERT_EQ(WritePhoneBookEntry(entry), stDone);
    const auto stored = sim->fixture().phonebook.sim.entries.at(7);
    EXPECT_EQ(stored.name, QStringLiteral("Jörg"));
    EXPECT_EQ(stored.number, "+4917022");  // the default number goes first
    EXPECT_EQ(stored.group, 2);

    auto back = entryAt(memSim, 7);
    ASSERT_EQ(ReadPhoneBookEntry(back), stDone);
    EXPECT_EQ(back.name, "J\xF6rg");
    ASSERT_EQ(back.numberCount, 2);
    EXPECT_EQ(back.numbers[0].number, "+4917022");
    EXPECT_EQ(back.numbers[0].type, ntMobile);
    EXPECT_EQ(back.numbers[1].number, "0301111");
    ASSERT_EQ(back.textCount, 2);  // a URL has no block on this phone
    EXPECT_EQ(back.texts[1].text, "Hof 2");
    EXPECT_EQ(back.group.groupIndex, 2);

    // Read and written back unchanged, an entry without group stays without.
    auto taxi = entryAt(memSim, 5);
    ASSERT_EQ(ReadPhoneBookEntry(taxi), stDone);
    EXPECT_EQ(taxi.group.groupIndex, 5);
    ASSERT_EQ(WritePhoneBookEntry(taxi), stDone);
    EXPECT_EQ(sim->fixture().phonebook.sim.entries.at(5).group, 5);

    ASSERT_EQ(WritePhoneBookEntry(entryAt(memSim, 7)), stDone);
    EXPECT_EQ(requestBodies(*sim, 0x03, 0x0F).back().size(), 17u);
    EXPECT_FALSE(sim->fixture().phonebook.sim.entries.contains(7));

    // Beyond the SIM's 250 locations the phone refuses the write.
    auto beyond = entryAt(memSim, 251);
    beyond.name = "Anna";
    beyond.numbers = {TNumberItem{"1", 0, 1}};
    EXPECT_EQ(WritePhoneBookEntry(beyond), stRefused);
}

TEST_F(Phonebook7110, CallerGroupsWithLogosAndSpeedDials) {
    ASSERT_EQ(DownloadGroupnames(), stDone);
    std::string name;
    GetGroupname(3, name);
    EXPECT_EQ(name, "Kollegen");
    // Group 2 is asked for at location 3.
    EXPECT_EQ(requestBodies(*sim, 0x03, 0x07)[2][11], 3);

    GSMBitmap family;
    family.kind = bkCallerGroupLogo;
    family.groupIndex = 0;
    ASSERT_EQ(GetBitmap(family), stDone);
    EXPECT_EQ(family.groupName, "Familie");
    EXPECT_EQ(family.width, 72);
    EXPECT_EQ(family.height, 14);
    EXPECT_EQ(family.groupLogoOn, 1);
    EXPECT_EQ(family.groupRingtone, 16);

    GSMBitmap logo = testing_support::patternedBitmap(bkCallerGroupLogo, 72, 14);
    logo.groupIndex = 2;
    logo.groupName = "Chefs";
    logo.groupRingtone = 0x21;
    logo.groupLogoOn = 1;
    ASSERT_EQ(Sendbitmap(logo), stDone);
    GSMBitmap back;
    back.kind = bkCallerGroupLogo;
    back.groupIndex = 2;
    ASSERT_EQ(GetBitmap(back), stDone);
    EXPECT_EQ(back.groupName, "Chefs");
    EXPECT_EQ(back.groupRingtone, 0x21);
    EXPECT_EQ(back.size, logo.size);
    EXPECT_TRUE(
        std::equal(back.rowData.begin(), back.rowData.begin() + back.size, logo.rowData.begin()));

    auto key = entryAt(memSpeedDials, 2);
    ASSERT_EQ(ReadPhoneBookEntry(key), stDone);
    EXPECT_EQ(key.memory, memSim);
    EXPECT_EQ(key.location, 1);
    auto dial = entryAt(memSpeedDials, 5);
    dial.speedDialMemory = 1;
    dial.speedDialLocation = 2;
    ASSERT_EQ(WritePhoneBookEntry(dial), stDone);
    auto five = entryAt(memSpeedDials, 5);
    ASSERT_EQ(ReadPhoneBookEntry(five), stDone);
    EXPECT_EQ(five.memory, memPhone);
    EXPECT_EQ(five.location, 2);
}

}  // namespace
