// The library over the infrared link: set-up over both services, the choice
// of device, and what happens when the link is lost, against simulated
// phones offered in a private runtime folder.
#include "phonelib/api/notification.h"
#include "tests/phonelib/e2e/siemensphone.h"
#include "tests/support/privateruntime.h"

using namespace phonelib;
using testing_support::SiemensPhoneTest;

namespace {

class Infrared : public SiemensPhoneTest {
  protected:
    // A simulated phone in infrared range as device `id`.
    std::unique_ptr<phonesim::Simulator> offer(const QString& model, const QString& id) {
        auto phone = std::make_unique<phonesim::Simulator>(phonesim::Fixture::forModel(model));
        EXPECT_TRUE(phone->addInfrared(id)) << phone->errorString().toStdString();
        return phone;
    }
    void offer(const QString& model) { sim = offer(model, "1"); }
    // The requests the phone has heard since the journal was cleared.
    size_t requestsHeard() const { return sim->requests().size(); }

    uint8_t connectInfrared(uint8_t kind, const std::string& device = {}) {
        return initport(&host, device, kind, 0);
    }
    static uint8_t modelId() {
        uint8_t id = 0;
        GetModelName(id);
        return id;
    }
    static PortOpenError openError() {
        std::string detail;
        return GetPortOpenError(detail);
    }

    testing_support::PrivateRuntime runtime;
};

TPhoneBookEntry simEntry(int32_t location) {
    TPhoneBookEntry entry;
    entry.memory = memSim;
    entry.location = location;
    return entry;
}

// SIM location 9 written, and read back, over whatever link is up.
void writeSimEntry() {
    auto written = simEntry(9);
    written.name = "Infrarot";
    written.numbers = {TNumberItem{"+49301234", ntGeneral, 1}};
    written.numberCount = 1;
    ASSERT_EQ(WritePhoneBookEntry(written), stDone);
}
void expectSimEntry() {
    auto back = simEntry(9);
    ASSERT_EQ(ReadPhoneBookEntry(back), stDone);
    EXPECT_EQ(back.name, "Infrarot");
    ASSERT_EQ(back.numberCount, 1);
    EXPECT_EQ(back.numbers[0].number, "+49301234");
}

TEST_F(Infrared, SetUpOverPhoNetAndAPhonebookRoundTrip) {
    offer("NSE-3");
    ASSERT_EQ(connectInfrared(ckFbusInfrared), stDone);
    EXPECT_TRUE(state().Connected);
    EXPECT_TRUE(state().SocketOpen);
    EXPECT_EQ(modelId(), 14);
    ASSERT_TRUE(sim->waitForRequest(0x40, std::chrono::seconds(2)));

    auto entry = simEntry(1);
    ASSERT_EQ(ReadPhoneBookEntry(entry), stDone);
    EXPECT_EQ(entry.name, "Anna");
    writeSimEntry();
    expectSimEntry();
}

TEST_F(Infrared, SetUpOverIrCommAndAddressBookAndPhonebookRoundTrips) {
    offer("S45");
    ASSERT_EQ(connectInfrared(ckAtInfrared), stDone);
    EXPECT_TRUE(state().Connected);
    EXPECT_TRUE(state().SocketOpen);
    EXPECT_EQ(modelId(), 8);
    const auto lines = commands();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              (std::vector<std::string>{"ATE1", "AT+CMEE=1", "AT+CSCS=\"GSM\"", "AT+CMGF=0",
                                        "AT+CNMI=1,1", "AT+CGMM"}));
    EXPECT_TRUE(waitForNotification(nfLinkUp)) << "the keep-alive hears the phone over IrCOMM";

    // An address book entry long enough for several prompted parts.
    TPhoneBookEntry smith;
    smith.memory = memAddressBook;
    smith.location = 4;
    smith.name = "Smith, John";
    smith.numbers = {TNumberItem{"+4930999888", ntWork, 0}, TNumberItem{"0170555666", ntMobile, 1}};
    smith.numberCount = 2;
    smith.texts = {TTextItem{"Lindenallee 12\r\n80331 M\xFCnchen\r\nDeutschland", ttPostal, 0},
                   TTextItem{"Smith & Partner", ttCompany, 0}};
    smith.textCount = 2;
    sim->clearJournal();
    ASSERT_EQ(WritePhoneBookEntry(smith), stDone);
    EXPECT_GT(inputs().size(), 1u);
    TPhoneBookEntry back;
    back.memory = memAddressBook;
    back.location = 4;
    ASSERT_EQ(ReadPhoneBookEntry(back), stDone);
    EXPECT_EQ(back.name, "Smith, John");
    ASSERT_FALSE(back.texts.empty());
    EXPECT_EQ(back.texts.at(0).text, "Lindenallee 12\r\n80331 M\xFCnchen\r\nDeutschland");

    writeSimEntry();
    expectSimEntry();
}

TEST_F(Infrared, EachPhoneOffersOnlyTheServiceOfItsProtocol) {
    const struct {
        const char* model;
        uint8_t foreignKind;
    } phones[] = {{"NSE-3", ckAtInfrared}, {"S45", ckFbusInfrared}};
    for (const auto& phone : phones) {
        offer(phone.model);
        EXPECT_EQ(connectInfrared(phone.foreignKind), stNoAnswer) << phone.model;
        EXPECT_FALSE(state().Connected);
        EXPECT_FALSE(state().SocketOpen);
        EXPECT_EQ(openError(), PortOpenError::None) << "a device was in range";
        EXPECT_EQ(requestsHeard(), 0u) << phone.model;
        sim.reset();
    }
}

TEST_F(Infrared, OnePhoneOnCableAndInfraredKeepsOneContent) {
    startPhone("NSE-3");
    ASSERT_TRUE(sim->addInfrared("1")) << sim->errorString().toStdString();
    ASSERT_EQ(connectInfrared(ckFbusInfrared), stDone);
    writeSimEntry();

    // A cable set-up closes the infrared link.
    ASSERT_EQ(connect(ckFbusCable), stDone);
    EXPECT_FALSE(state().SocketOpen);
    expectSimEntry();
}

TEST_F(Infrared, ASilentPhoneInRangeIsNotIdentified) {
    offer("NSE-3");
    sim->faults().silenceFor(std::chrono::minutes(1));
    EXPECT_EQ(connectInfrared(ckFbusInfrared), stNoAnswer);
    EXPECT_FALSE(state().Connected);
    EXPECT_EQ(openError(), PortOpenError::None);
}

TEST_F(Infrared, WithoutADeviceInRangeTheSetUpEndsAtOnce) {
    // No tick comes: a set-up that waited for the phone would never end.
    setTickPeriod(0);
    for (const uint8_t kind : {ckAtInfrared, ckFbusInfrared}) {
        EXPECT_EQ(connectInfrared(kind), stNoAnswer);
        EXPECT_FALSE(state().SocketOpen);
        EXPECT_FALSE(state().Connected);
        EXPECT_EQ(openError(), PortOpenError::NotFound);
    }
}

TEST_F(Infrared, OfTwoDevicesTheFirstIsUsed) {
    const auto second = offer("NSE-3", "2");
    const auto first = offer("NHM-5", "1");
    ASSERT_EQ(connectInfrared(ckFbusInfrared), stDone);
    EXPECT_EQ(modelId(), 11) << "the NHM-5 of device 1";
    EXPECT_TRUE(second->requests().empty());

    ASSERT_EQ(connectInfrared(ckFbusInfrared, "2"), stDone);
    EXPECT_EQ(modelId(), 14) << "the NSE-3 of device 2, named";
}

TEST_F(Infrared, AfterTheKeepAliveDeclaresTheLinkLostNothingIsSent) {
    const struct {
        const char* model;
        uint8_t kind;
    } phones[] = {{"NSE-3", ckFbusInfrared}, {"S45", ckAtInfrared}};
    for (const auto& phone : phones) {
        SCOPED_TRACE(phone.model);
        offer(phone.model);
        host.clear();
        ASSERT_EQ(connectInfrared(phone.kind), stDone);
        ASSERT_TRUE(waitForNotification(nfLinkUp));
        sim->faults().silenceFor(std::chrono::minutes(1));
        ASSERT_TRUE(waitForNotification(nfLinkLost));
        EXPECT_FALSE(state().SocketOpen);

        // The phone hears again, but the keep-alive's requests no longer go out.
        sim->faults().silenceFor(std::chrono::milliseconds(0));
        sim->clearJournal();
        runTicks(5);
        EXPECT_EQ(requestsHeard(), 0u);
        const auto messages = host.messages();
        EXPECT_EQ(std::count(messages.begin(), messages.end(), nfLinkUp), 1)
            << "no recovery by itself";

        // A new set-up connects again.
        ASSERT_EQ(connectInfrared(phone.kind), stDone);
        EXPECT_TRUE(state().SocketOpen);
        sim.reset();
    }
}

}  // namespace
