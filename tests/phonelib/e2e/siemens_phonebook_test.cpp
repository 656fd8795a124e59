// The phonebooks and the address book of a simulated Siemens phone: entries
// written, read back and cleared, capacities, call lists.
#include "tests/phonelib/e2e/siemensphone.h"

using namespace phonelib;
using testing_support::SiemensPhoneTest;

namespace {

using SiemensPhonebook = SiemensPhoneTest;

TPhoneBookEntry entryAt(uint8_t memory, int32_t location) {
    TPhoneBookEntry entry;
    entry.memory = memory;
    entry.location = location;
    return entry;
}

TPhoneBookEntry simEntry(int32_t location, const std::string& name, const std::string& number) {
    TPhoneBookEntry entry = entryAt(memSim, location);
    entry.name = name;
    entry.numbers = {TNumberItem{number, ntGeneral, 1}};
    entry.numberCount = 1;
    return entry;
}

std::string numberOfType(const TPhoneBookEntry& entry, int32_t type) {
    for (const auto& number : entry.numbers) {
        if (number.type == type) return number.number;
    }
    return "?";
}

TEST_F(SiemensPhonebook, SimEntriesRoundTripWithQuotesAtSignsAndPrompts) {
    connectTo("S45");
    // '"', '@' and '>' reach the phone escaped (\22, \00) or as they are and
    // come back unchanged; a '>' inside a name is no prompt.
    const TPhoneBookEntry written = simEntry(7, "Tom \"T\" @>", "+491601234567");
    ASSERT_EQ(WritePhoneBookEntry(written), stDone);
    EXPECT_TRUE(heard("AT+CPBW=7,\"+491601234567\",145,\"Tom \\22T\\22 \\00>\""));
    EXPECT_EQ(sim->fixture().phonebook.sim.entries.at(7).name, QStringLiteral("Tom \"T\" @>"));

    TPhoneBookEntry read = entryAt(memSim, 7);
    ASSERT_EQ(ReadPhoneBookEntry(read), stDone);
    EXPECT_EQ(read.empty, 0);
    EXPECT_EQ(read.name, written.name);
    ASSERT_EQ(read.numberCount, 1);
    EXPECT_EQ(read.numbers[0].number, "+491601234567");
    EXPECT_EQ(read.numbers[0].type, ntGeneral);
    EXPECT_EQ(read.numbers[0].isDefault, 1);
    EXPECT_EQ(read.group.groupName, " ");

    const TPhoneBookEntry national = simEntry(8, "B\xFCro 2", "0301234567");
    ASSERT_EQ(WritePhoneBookEntry(national), stDone);
    EXPECT_TRUE(heard("AT+CPBW=8,\"0301234567\",129,"));
    ASSERT_EQ(WritePhoneBookEntry(entryAt(memSim, 7)), stDone);  // no name, no number: clear
    EXPECT_TRUE(heard("AT+CPBW=7"));
    EXPECT_FALSE(sim->fixture().phonebook.sim.entries.contains(7));
    read = entryAt(memSim, 7);
    ASSERT_EQ(ReadPhoneBookEntry(read), stDone);
    EXPECT_EQ(read.empty, 1);
}

TEST_F(SiemensPhonebook, RefusedEntriesSendNothingOrReportThePhonesReason) {
    connectTo("S45");
    EXPECT_EQ(WritePhoneBookEntry(simEntry(3, "Pizza", "0800-PIZZA")), 18);
    EXPECT_FALSE(heard("AT+CPBW")) << "a number with letters is not sent";
    // The SIM takes names of 14 characters.
    EXPECT_EQ(WritePhoneBookEntry(simEntry(3, "Ein sehr langer Name", "123")), stTooLong);
    failCommand("+CPBW", "ERROR");
    EXPECT_EQ(WritePhoneBookEntry(simEntry(3, "Eva", "123")), stRefused)
        << "a plain ERROR to a write is no success";
}

TEST_F(SiemensPhonebook, MemoriesAreSelectedOnceAndCallListsCountFromIndexTwo) {
    connectTo("S45");
    TPhoneBookEntry phone = entryAt(memPhone, 1);
    ASSERT_EQ(ReadPhoneBookEntry(phone), stDone);
    EXPECT_EQ(phone.name, "Mailbox");
    phone = entryAt(memPhone, 2);
    ASSERT_EQ(ReadPhoneBookEntry(phone), stDone);
    EXPECT_EQ(phone.empty, 1);

    TPhoneBookEntry dialled = entryAt(memDialled, 0);
    ASSERT_EQ(ReadPhoneBookEntry(dialled), stDone);
    EXPECT_EQ(dialled.name, "Anna");
    dialled = entryAt(memDialled, 1);
    ASSERT_EQ(ReadPhoneBookEntry(dialled), stDone);
    EXPECT_EQ(dialled.numbers.at(0).number, "0800112233");
    EXPECT_EQ(driverCommands(),
              (std::vector<std::string>{"AT+CPBS=\"ME\"", "AT+CPBR=1", "AT+CPBR=2",
                                        "AT+CPBS=\"LD\"", "AT+CPBR=1", "AT+CPBR=2"}));
    EXPECT_EQ(WritePhoneBookEntry(simEntry(1, "X", "1")), stDone);  // back to the SIM
    EXPECT_TRUE(heard("AT+CPBS=\"SM\""));
}

TEST_F(SiemensPhonebook, Capacities) {
    connectTo("S45");
    TCapacity card;
    card.memory = memSim;
    ASSERT_EQ(GetCapacity(card), stDone);
    EXPECT_EQ(card.total, 100);
    EXPECT_EQ(card.used, 3);
    EXPECT_EQ(card.free, 97);
    TCapacity dialled;
    dialled.memory = memDialled;
    ASSERT_EQ(GetCapacity(dialled), stDone);
    EXPECT_EQ(dialled.total, 11);  // read from location 0 to total - 2
    EXPECT_EQ(dialled.used, 11);
    TCapacity book;
    book.memory = memAddressBook;
    ASSERT_EQ(GetCapacity(book), stDone);
    EXPECT_EQ(book.total, 500);
    EXPECT_EQ(book.used, 2);
    EXPECT_EQ(book.free, 498);
    sim->clearJournal();
    TCapacity speedDials;
    speedDials.memory = memSpeedDials;
    EXPECT_EQ(GetCapacity(speedDials), stNotAvailable);
    TPhoneBookEntry speedDial = entryAt(memSpeedDials, 2);
    EXPECT_EQ(ReadPhoneBookEntry(speedDial), stNotAvailable);
    TPhoneBookEntry group = entryAt(memCallerGroups, 0);
    EXPECT_EQ(ReadPhoneBookEntry(group), stNotAvailable);
    EXPECT_TRUE(driverCommands().empty()) << "no request for speed dials and caller groups";
}

TEST_F(SiemensPhonebook, AddressBookEntriesTravelAsVCards) {
    connectTo("S45");
    TPhoneBookEntry hans = entryAt(memAddressBook, 1);
    ASSERT_EQ(ReadPhoneBookEntry(hans), stDone);
    EXPECT_TRUE(heard("AT^SBNR=\"VCF\",0"));
    EXPECT_EQ(hans.empty, 0);
    EXPECT_EQ(hans.name, "Meier, Hans");
    EXPECT_EQ(numberOfType(hans, ntHome), "+4930111222");
    EXPECT_EQ(numberOfType(hans, ntGeneral), "+4930111222");
    EXPECT_EQ(numberOfType(hans, ntMobile), "01701112223");
    TPhoneBookEntry empty = entryAt(memAddressBook, 3);
    ASSERT_EQ(ReadPhoneBookEntry(empty), stDone);
    EXPECT_EQ(empty.empty, 1);

    // A long entry needs several parts; the phone joins them again.
    TPhoneBookEntry smith = entryAt(memAddressBook, 4);
    smith.name = "Smith, John";
    smith.numbers = {TNumberItem{"+4930999888", ntWork, 0}, TNumberItem{"0170555666", ntMobile, 1},
                     TNumberItem{"+4930999889", ntFax, 0}};
    smith.numberCount = 3;
    smith.texts = {TTextItem{"john.smith@example.org", ttEmail, 0},
                   TTextItem{"Lindenallee 12\r\n80331 M\xFCnchen\r\nDeutschland", ttPostal, 0},
                   TTextItem{"http://www.example.org/~john", ttUrl, 0},
                   TTextItem{"Smith & Partner", ttCompany, 0}};
    smith.textCount = 4;
    ASSERT_EQ(WritePhoneBookEntry(smith), stDone);
    EXPECT_TRUE(heard("AT^SBNW=\"vcf\",3,1,"));
    EXPECT_GT(inputs().size(), 1u);
    const QByteArray stored = sim->fixture().siemens.addressBook.objects.at(3);
    EXPECT_TRUE(stored.contains("\r\nFN:Smith, John\r\nN:Smith;John\r\n"));
    EXPECT_TRUE(
        stored.contains("\r\nADR:;;Lindenallee 12;M\xFC"
                        "nchen;;80331;Deutschland\r\n"));

    TPhoneBookEntry back = entryAt(memAddressBook, 4);
    ASSERT_EQ(ReadPhoneBookEntry(back), stDone);
    EXPECT_EQ(back.name, "Smith, John");
    EXPECT_EQ(numberOfType(back, ntWork), "+4930999888");
    EXPECT_EQ(numberOfType(back, ntFax), "+4930999889");
    EXPECT_EQ(back.texts.at(0).text, "Lindenallee 12\r\n80331 M\xFCnchen\r\nDeutschland");
    EXPECT_EQ(back.texts.at(1).text, "john.smith@example.org");
    EXPECT_EQ(back.texts.at(3).text, "Smith & Partner");

    // A name of two characters and nothing else: the location is cleared.
    TPhoneBookEntry jo = entryAt(memAddressBook, 4);
    jo.name = "Jo";
    ASSERT_EQ(WritePhoneBookEntry(jo), stDone);
    EXPECT_TRUE(heard("AT^SBNW=\"vcf\",3,0,0"));
    EXPECT_FALSE(sim->fixture().siemens.addressBook.objects.contains(3));

    // The index is one byte on the phone.
    sim->clearJournal();
    TPhoneBookEntry far = entryAt(memAddressBook, 300);
    far.name = "Weit weg";
    EXPECT_EQ(WritePhoneBookEntry(far), stNoSuchLocation);
    EXPECT_TRUE(driverCommands().empty());
}

TEST_F(SiemensPhonebook, ASingleNameAndAGeneralNumberSurviveTheAddressBook) {
    connectTo("S45");
    TPhoneBookEntry anna = entryAt(memAddressBook, 10);
    anna.name = "Anna";
    anna.numbers = {TNumberItem{"+4930123456", ntGeneral, 1}};
    anna.numberCount = 1;
    ASSERT_EQ(WritePhoneBookEntry(anna), stDone);
    TPhoneBookEntry back = entryAt(memAddressBook, 10);
    ASSERT_EQ(ReadPhoneBookEntry(back), stDone);
    EXPECT_EQ(back.name, "Anna");
    EXPECT_EQ(numberOfType(back, ntGeneral), "+4930123456");
}

}  // namespace
