// Phonebook, caller groups, speed dials and capacities against the simulated
// phone.
#include <QTemporaryDir>

#include "tests/phonelib/e2e/simulatedphone.h"

using namespace phonelib;
using testing_support::SimulatedPhoneTest;

namespace {

size_t requestsOf(const phonesim::Simulator& sim, uint8_t type) {
    const auto all = sim.requests();
    return static_cast<size_t>(
        std::count_if(all.begin(), all.end(), [&](const auto& m) { return m.type == type; }));
}

TPhoneBookEntry entryAt(uint8_t memory, int32_t location) {
    TPhoneBookEntry entry;
    entry.memory = memory;
    entry.location = location;
    return entry;
}

TPhoneBookEntry newEntry(uint8_t memory, int32_t location, std::string name, std::string number,
                         int32_t group = 5) {
    TPhoneBookEntry entry = entryAt(memory, location);
    entry.name = std::move(name);
    entry.numbers = {TNumberItem{std::move(number), 0, 1}};
    entry.numberCount = 1;
    entry.group.groupIndex = group;
    return entry;
}

class Phonebook : public SimulatedPhoneTest {
  protected:
    void connectTo(const phonesim::Fixture& fixture) {
        startPhone(fixture);
        ASSERT_EQ(connect(), stDone);
    }
    void connectTo(const QString& model) { connectTo(phonesim::Fixture::forModel(model)); }
};

TEST_F(Phonebook, EntriesAndEmptyLocationsOfTheSim) {
    connectTo("NSE-3");
    auto entry = entryAt(memSim, 1);
    ASSERT_EQ(ReadPhoneBookEntry(entry), stDone);
    EXPECT_EQ(entry.empty, 0);
    EXPECT_EQ(entry.name, "Anna");
    ASSERT_EQ(entry.numberCount, 1);
    EXPECT_EQ(entry.numbers[0].number, "+4930123456");
    EXPECT_EQ(entry.numbers[0].isDefault, 1);
    EXPECT_EQ(entry.numbers[0].type, 0);

    auto empty = entryAt(memSim, 3);
    empty.name = "left over";
    ASSERT_EQ(ReadPhoneBookEntry(empty), stDone);
    EXPECT_EQ(empty.empty, 1);
    EXPECT_EQ(empty.name, "");
    ASSERT_EQ(empty.numbers.size(), 1u);
    EXPECT_EQ(empty.numbers[0].number, "");

    // Beyond the SIM's 250 locations the phone answers with an error that
    // the driver does not take: the read runs out of time.
    auto beyond = entryAt(memSim, 251);
    EXPECT_EQ(ReadPhoneBookEntry(beyond), stNoAnswer);
    EXPECT_EQ(beyond.empty, 1);

    auto dialled = entryAt(memDialled, 1);
    ASSERT_EQ(ReadPhoneBookEntry(dialled), stDone);
    EXPECT_EQ(dialled.name, "Anna");
}

TEST_F(Phonebook, SixteenBitNamesOfModel12) {
    connectTo("NHM-6");
    uint8_t model = 0;
    GetModelName(model);
    ASSERT_EQ(model, 12);
    ASSERT_EQ(WritePhoneBookEntry(newEntry(memSim, 7, "Anna", "0301")), stDone);
    const auto written = sim->requests().back();
    const std::vector<uint8_t> name = {0x0A, 0x00, 0x41, 0x00, 0x6E, 0x00,
                                       0x6E, 0x00, 0x61, 0x00, 0x00};
    ASSERT_GE(written.body.size(), 6 + name.size());
    EXPECT_EQ(std::vector<uint8_t>(written.body.begin() + 6, written.body.begin() + 17), name);
    EXPECT_EQ(sim->fixture().phonebook.sim.entries.at(7).name, "Anna");

    auto back = entryAt(memSim, 7);
    ASSERT_EQ(ReadPhoneBookEntry(back), stDone);
    EXPECT_EQ(back.name, "Anna");
    EXPECT_EQ(back.group.groupName, " ");  // model 12 shows no groups
}

TEST_F(Phonebook, ClearingAndRefusedEntries) {
    connectTo("NSE-3");
    ASSERT_EQ(WritePhoneBookEntry(newEntry(memSim, 1, "", "")), stDone);
    EXPECT_EQ(sim->requests().back().body,
              (std::vector<uint8_t>{0x00, 0x01, 0x00, 0x04, 0x03, 0x01, 0x00, 0x00, 0xFF}));
    EXPECT_FALSE(sim->fixture().phonebook.sim.entries.contains(1));

    // Name and number of more than 192 bytes never reach the phone.
    const size_t before = requestsOf(*sim, 0x03);
    EXPECT_EQ(WritePhoneBookEntry(newEntry(memSim, 2, std::string(100, 'N'), std::string(93, '1'))),
              stTooLong);
    EXPECT_EQ(WritePhoneBookEntry(newEntry(memDialled, 2, "Anna", "0301")), stNotAvailable);
    EXPECT_EQ(WritePhoneBookEntry(newEntry(memSim, 256, "Anna", "0301")), stNoSuchLocation);
    EXPECT_EQ(requestsOf(*sim, 0x03), before);
    EXPECT_EQ(sim->fixture().phonebook.sim.entries.at(2).name, "Büro");
}

TEST_F(Phonebook, SpeedDialsPointAtTheirTarget) {
    connectTo("NSE-3");
    auto key = entryAt(memSpeedDials, 2);
    ASSERT_EQ(ReadPhoneBookEntry(key), stDone);
    EXPECT_EQ(key.memory, memSim);
    EXPECT_EQ(key.location, 1);
    ASSERT_EQ(ReadPhoneBookEntry(key), stDone);  // now the target entry
    EXPECT_EQ(key.name, "Anna");

    auto dial = entryAt(memSpeedDials, 5);
    dial.speedDialMemory = 1;
    dial.speedDialLocation = 1;
    ASSERT_EQ(WritePhoneBookEntry(dial), stDone);
    const auto dials = sim->fixture().phonebook.speedDials;
    ASSERT_TRUE(dials.contains(5));
    EXPECT_TRUE(dials.at(5).phoneMemory);
    EXPECT_EQ(dials.at(5).location, 1);
}

TEST_F(Phonebook, CapacitiesFixedAndAsked) {
    connectTo("NSE-3");
    const size_t before = requestsOf(*sim, 0x03);
    for (const auto& [memory, used] : {std::pair{memCallerGroups, 5},
                                       {memSpeedDials, 9},
                                       {memDialled, 10},
                                       {memReceived, 10},
                                       {memMissed, 10}}) {
        TCapacity capacity;
        capacity.memory = memory;
        EXPECT_EQ(GetCapacity(capacity), stNotAvailable);
        EXPECT_EQ(capacity.free, 0);
        EXPECT_EQ(capacity.used, used);
        EXPECT_EQ(capacity.total, used);
    }
    EXPECT_EQ(requestsOf(*sim, 0x03), before);

    TCapacity sim250;
    sim250.memory = memSim;
    ASSERT_EQ(GetCapacity(sim250), stDone);
    EXPECT_EQ(sim250.used, 3);
    EXPECT_EQ(sim250.free, 247);
    EXPECT_EQ(sim250.total, 250);
    TCapacity phone;
    phone.memory = memPhone;
    ASSERT_EQ(GetCapacity(phone), stDone);
    EXPECT_EQ(phone.memory, memPhone);
    EXPECT_EQ(phone.total, 200);
}

TEST_F(Phonebook, CallerGroupsWithRingtoneAndLogo) {
    connectTo("NSE-3");
    auto group = entryAt(memCallerGroups, 0);
    ASSERT_EQ(ReadPhoneBookEntry(group), stDone);
    const auto expected = sim->fixture().phonebook.callerGroups[0];
    EXPECT_EQ(group.name, "Familie");
    EXPECT_EQ(group.empty, 0);
    EXPECT_FALSE(group.group.groupRingtoneName.empty());
    EXPECT_EQ(group.group.width, 72);
    EXPECT_EQ(group.group.height, 14);
    EXPECT_EQ(group.group.size, 126);  // the phone's size counts the header too
    const QByteArray logo(reinterpret_cast<const char*>(group.group.rowData.data()), 126);
    EXPECT_EQ(logo, expected.logo.data);

    ASSERT_EQ(DownloadGroupnames(), stDone);
    std::string name;
    GetGroupname(1, name);
    EXPECT_EQ(name, "VIP");
    GetGroupname(4, name);
    EXPECT_EQ(name, defaultGroupName(4));  // the phone's group 4 has no name
}

TEST_F(Phonebook, ModelsWithoutCallerGroupsAreNotAsked) {
    connectTo("NSE-1");
    const size_t before = requestsOf(*sim, 0x03);
    auto group = entryAt(memCallerGroups, 2);
    EXPECT_EQ(ReadPhoneBookEntry(group), stNotAvailable);
    EXPECT_EQ(requestsOf(*sim, 0x03), before);
}

TEST_F(Phonebook, FullSimWrittenAndReadBackAndKeptByThePhone) {
    connectTo("NSE-3");
    std::vector<TPhoneBookEntry> written;
    for (int location = 1; location <= 250; ++location) {
        written.push_back(newEntry(memSim, location, "Eintrag " + std::to_string(location),
                                   "+49301" + std::to_string(100000 + location), location % 6));
        ASSERT_EQ(WritePhoneBookEntry(written.back()), stDone) << location;
    }
    for (const auto& entry : written) {
        auto back = entryAt(memSim, entry.location);
        ASSERT_EQ(ReadPhoneBookEntry(back), stDone) << entry.location;
        ASSERT_EQ(back.name, entry.name);
        ASSERT_EQ(back.numbers[0].number, entry.numbers[0].number);
    }
    QTemporaryDir dir;
    QString error;
    const QString path = dir.filePath("phone.json");
    ASSERT_TRUE(sim->saveFixture(path, &error)) << error.toStdString();
    const auto saved = phonesim::Fixture::load(path, &error);
    ASSERT_TRUE(saved) << error.toStdString();
    ASSERT_EQ(saved->phonebook.sim.entries.size(), 250u);
    EXPECT_EQ(saved->phonebook.sim.entries.at(250).number, "+49301100250");
    EXPECT_EQ(saved->phonebook.sim.entries.at(6).group, 0);
}

TEST_F(Phonebook, FivePercentCorruptedAnswersStillGiveEveryEntry) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    for (int location = 1; location <= 250; ++location) {
        fixture.phonebook.sim.entries[location] = {QString("Name %1").arg(location),
                                                   QString("0301%1").arg(location), 5};
    }
    // A corrupted frame comes again after 20 ms, well inside the reply wait.
    startPhone(fixture, {std::chrono::milliseconds(20), 6});
    ASSERT_EQ(connect(), stDone);
    sim->faults().setSeed(11);
    sim->faults().setCorruptionRate(0.05);
    for (int location = 1; location <= 250; ++location) {
        auto entry = entryAt(memSim, location);
        ASSERT_EQ(ReadPhoneBookEntry(entry), stDone) << location;
        ASSERT_EQ(entry.name, "Name " + std::to_string(location));
        ASSERT_EQ(entry.numbers[0].number, "0301" + std::to_string(location));
    }
    EXPECT_GT(sim->counters().framesCorrupted, 0u);
}

}  // namespace
