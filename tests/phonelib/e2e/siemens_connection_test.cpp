// Siemens phones over the AT cable: set-up, identity, battery, signal,
// network, the keep-alive, replies in pieces and error replies, a phone that
// falls silent.
#include "phonelib/api/modelgroups.h"
#include "phonelib/api/notification.h"
#include "phonelib/drivers/siemens/atengine.h"
#include "tests/phonelib/e2e/siemensphone.h"

using namespace phonelib;
using testing_support::SiemensPhoneTest;

namespace {

using SiemensConnection = SiemensPhoneTest;

TEST_F(SiemensConnection, SetUpSwitchesEchoAndErrorsOnThenAsksForTheModel) {
    startPhone(phonesim::Fixture::forModel("S45"));
    ASSERT_EQ(connect(ckAtCable), stDone);
    const auto lines = commands();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              (std::vector<std::string>{"ATE1", "AT+CMEE=1", "AT+CSCS=\"GSM\"", "AT+CMGF=0",
                                        "AT+CNMI=1,1", "AT+CGMM"}));
    uint8_t id = 0;
    GetModelName(id);
    EXPECT_EQ(id, 8);
    EXPECT_EQ(GetModelCode(), "S45");
    bool atDispatcher = false;
    lib().runJob([&] {
        const auto* target = lib().table.Dispatch.target<void (*)(uint8_t)>();
        atDispatcher = target && *target == siemens::Dispatch;
    });
    EXPECT_TRUE(atDispatcher);
    EXPECT_TRUE(waitForNotification(nfLinkUp));
}

TEST_F(SiemensConnection, ModelIdsOfTheSiemensFamily) {
    for (const auto& [code, expected] :
         {std::pair{"S25", 0}, std::pair{"C35i", 1}, std::pair{"SL45", 4}, std::pair{"ME45", 6}}) {
        connectTo(code);
        uint8_t id = 255;
        GetModelName(id);
        EXPECT_EQ(id, expected) << code;
    }
}

TEST_F(SiemensConnection, IdentityStatusAndNetwork) {
    connectTo("S45");
    TPhoneInfo info;
    ASSERT_EQ(GetPhoneInfos(info), stDone);
    EXPECT_EQ(info.manufacturer, "SIEMENS");
    EXPECT_EQ(info.modelCode, "S45");
    EXPECT_EQ(info.softwareVersion, "56");
    EXPECT_EQ(info.serialNumber, "350123456789012");
    EXPECT_EQ(info.hardwareVersion, "n.a.");
    EXPECT_EQ(info.productionData, "n.a.");

    TPhoneStatus status;
    ASSERT_EQ(GetPhoneStatus(status), stDone);
    EXPECT_EQ(status.battery, 3);  // 80 %
    EXPECT_EQ(status.signal, 3);   // rssi 17
    const struct {
        int percent, rssi;
        uint8_t battery, signal;
    } readings[] = {{100, 99, 4, 4}, {49, 0, 1, 1}, {0, 1, 0, 2}, {25, 31, 1, 3}};
    for (const auto& r : readings) {
        sim->editFixture([&](phonesim::Fixture& f) {
            f.siemens.batteryPercent = r.percent;
            f.siemens.rssi = r.rssi;
        });
        ASSERT_EQ(GetPhoneStatus(status), stDone);
        EXPECT_EQ(status.battery, r.battery) << r.percent << " %";
        EXPECT_EQ(status.signal, r.signal) << "rssi " << r.rssi;
    }

    TNetWorkInfo network;
    ASSERT_EQ(GetNetworkInfo(network), stDone);
    EXPECT_EQ(network.areaCode, "1A2B");
    EXPECT_EQ(network.cellId, "3C4D");
    EXPECT_EQ(network.networkOperator.operatorName, "\"D1-TELEKOM\"");
}

TEST_F(SiemensConnection, TheS25ReportsItsCellWithoutQuotes) {
    connectTo("S25");
    TNetWorkInfo network;
    ASSERT_EQ(GetNetworkInfo(network), stDone);
    EXPECT_EQ(network.areaCode, "1A2B");
    EXPECT_EQ(network.cellId, "3C4D");
}

TEST_F(SiemensConnection, RepliesInPiecesAreTakenWhole) {
    connectTo("S45");
    sim->faults().setChunking(3);
    TPhoneBookEntry entry;
    entry.memory = memSim;
    entry.location = 2;
    ASSERT_EQ(ReadPhoneBookEntry(entry), stDone);
    EXPECT_EQ(entry.name, "B\xFCro");
    EXPECT_EQ(entry.numbers.at(0).number, "0301234567");
    TPhoneInfo info;
    ASSERT_EQ(GetPhoneInfos(info), stDone);
    EXPECT_EQ(info.serialNumber, "350123456789012");
}

TEST_F(SiemensConnection, ErrorRepliesEndTheWaitWithTheirCode) {
    connectTo("S45");
    GSMSMS message;
    failCommand("+CMGR", "+CMS ERROR: 322");
    EXPECT_EQ(GetSMS(0, 1, message), stMemoryFull);
    failCommand("+CMGR", "+CMS ERROR: 500");
    EXPECT_EQ(GetSMS(0, 1, message), stSmsError);
    failCommand("+CMGR", "+CMS ERROR: 330");
    EXPECT_EQ(GetSMS(0, 1, message), stNoServiceCentre);

    // An extended error report completes the reply at once instead of
    // running into the time limit.
    failCommand("+CPBR", "+CME ERROR: 21");
    TPhoneBookEntry entry;
    entry.memory = memSim;
    entry.location = 1;
    EXPECT_EQ(ReadPhoneBookEntry(entry), stInvalidIndex) << "not 3: no waiting for the time limit";
    EXPECT_EQ(entry.empty, 1);
    failCommand("+CGSN", "+CME ERROR: 4");
    TPhoneInfo info;
    EXPECT_EQ(GetPhoneInfos(info), stRefused);
}

TEST_F(SiemensConnection, SlotsWithoutAnAtCommandAnswerNotAvailable) {
    connectTo("S45");
    TDateTimeRec date;
    EXPECT_EQ(getdate(date), stNotAvailable);
    TWap bookmarks;
    EXPECT_EQ(GetWAPlink(bookmarks), stNotAvailable);
    EXPECT_EQ(writesms(0, 1, GSMSMS{}), stNotAvailable);
    EXPECT_TRUE(driverCommands().empty()) << "nothing is sent for them";
    EXPECT_EQ(changeconnectionspeed(57600), stDone);
    EXPECT_TRUE(heard("AT+IPR=57600"));
}

TEST_F(SiemensConnection, ASilentPhoneEndsTheLinkAlsoWhileASendWaitsForThePrompt) {
    connectTo("S45");
    sim->faults().silenceFor(std::chrono::minutes(10));
    GSMSMS message;
    message.remoteNumber = "0171234567";
    message.text = "hello";
    EXPECT_EQ(SendSMS(message, 1, 1), stNoAnswer);
    // The second send hears no prompt either; the probe after it goes
    // unanswered, and the link is over.
    EXPECT_EQ(SendSMS(message, 1, 1), stNotConnected);
    EXPECT_TRUE(inputs().empty()) << "no PDU without the prompt";
    EXPECT_FALSE(state().Connected);
    ASSERT_TRUE(waitForNotification(nfLinkLost));
    const auto heardBefore = commands().size();
    TPhoneBookEntry entry;
    entry.memory = memSim;
    entry.location = 1;
    EXPECT_EQ(ReadPhoneBookEntry(entry), stNotConnected);
    EXPECT_EQ(commands().size(), heardBefore) << "nothing is sent after the end of the link";

    sim->faults().silenceFor(std::chrono::milliseconds(0));
    ASSERT_EQ(connect(ckAtCable), stDone);  // the same port, opened again
    EXPECT_EQ(ReadPhoneBookEntry(entry), stDone);
}

// A Siemens phone on the cable a 7110 used before: the 7110's keep-alive,
// which pings even while busy, must not talk into the AT set-up.
TEST_F(SiemensPhoneTest, ConnectsAfterA7110OnTheSameProgramRun) {
    startPhone("NSE-5");
    ASSERT_EQ(connect(), phonelib::stDone);
    sim->stop();
    connectTo("S45");
    TPhoneInfo info;
    EXPECT_EQ(phonelib::GetPhoneInfos(info), phonelib::stDone);
}

}  // namespace
