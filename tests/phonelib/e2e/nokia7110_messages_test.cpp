// The 7110 family's stored messages against the simulated phone: folders,
// reading, deleting, copying a message into another folder by its stored
// form (also over a line that damages frames), the folder creation, and
// sending through the 61xx procedure.
#include "phonelib/api/library.h"
#include "tests/phonelib/e2e/requestlog.h"
#include "tests/phonelib/e2e/simulatedphone.h"
#include "tests/phonelib/e2e/storedkinds.h"

using namespace phonelib;
using testing_support::requestBodies;
using testing_support::SimulatedPhoneTest;

namespace {

constexpr uint8_t kInbox = 0x08;
constexpr uint8_t kArchive = 0x18;

class Messages7110 : public SimulatedPhoneTest {
  protected:
    void SetUp() override {
        SimulatedPhoneTest::SetUp();
        startPhone("NPE-3");
        ASSERT_EQ(connect(), stDone);
    }
};

TEST_F(Messages7110, FoldersTheirMessagesAndDeleting) {
    tsmsinfo info;
    ASSERT_EQ(getsmsinfos(info), stDone);
    ASSERT_EQ(info.folderCount, 4);
    EXPECT_EQ(info.folders[0].folderId, kInbox);
    EXPECT_EQ(info.folders[0].folderName, "Eingang");
    EXPECT_EQ(info.folders[0].messageCount, 2);
    EXPECT_EQ(info.folders[0].locations[1], 2);
    EXPECT_EQ(info.folders[3].folderName, "Vorlagen");
    EXPECT_EQ(requestBodies(*sim, 0x14, 0x6B).size(), 4u);

    GSMSMS message;
    ASSERT_EQ(GetSMS(kInbox, 1, message), stDone);
    EXPECT_EQ(message.text, "Hallo, wie geht's?");
    EXPECT_EQ(message.remoteNumber, "+491701234567");
    EXPECT_EQ(message.unread, 1);
    EXPECT_EQ(message.status, 0);
    EXPECT_EQ(message.date, "12.05.01");
    EXPECT_EQ(message.time, "10:30:45");
    EXPECT_EQ(message.location, 1);
    EXPECT_GT(message.storedBodyLength, 0);
    EXPECT_EQ(message.storedBody[0], 0x00);  // the stored form begins with the status

    GSMSMS sent;
    ASSERT_EQ(GetSMS(0x10, 1, sent), stDone);
    EXPECT_EQ(sent.status, 2);
    EXPECT_EQ(sent.text, "Bin unterwegs");

    ASSERT_EQ(deletesms(kInbox, 2), stDone);
    EXPECT_EQ(GetSMS(kInbox, 2, message), stEmptyLocation);
    EXPECT_EQ(deletesms(kInbox, 2), stRefused);
    EXPECT_EQ(GetSMS(0x70, 1, message), stNoSuchLocation);
    EXPECT_EQ(GetSMS(kInbox, 70000, message), stNoSuchLocation);
}

// Messages of every kind in a folder read with the same fields as on the
// 61xx family: senders by their number type (D0, national), codings (UCS-2,
// 8-bit 04 and F4) and escape pairs.
TEST_F(Messages7110, StoredMessagesOfEveryKind) {
    const auto kinds = testing_support::storedKinds(64);
    sim->editFixture([&](phonesim::Fixture& f) {
        auto& inbox = f.messages.folders.front().messages;
        inbox.clear();
        for (const auto& [location, kind] : kinds) inbox[location] = kind.message;
    });
    testing_support::expectEveryKind(kinds, [](int location, GSMSMS& message) {
        const uint8_t result = GetSMS(kInbox, location, message);
        EXPECT_EQ(message.location, location);
        return result;
    });
}

// Copying keeps the message as the phone stores it, on a line where one
// frame in twenty is damaged.
TEST_F(Messages7110, ACopyIntoAnotherFolderIsTheSameMessage) {
    sim->faults().setSeed(7);
    sim->faults().setCorruptionRate(0.05);
    GSMSMS message;
    ASSERT_EQ(GetSMS(kInbox, 1, message), stDone);
    ASSERT_EQ(writesms(kArchive, 2, message), stDone);
    const auto fixture = sim->fixture();
    const auto& archive = fixture.messages.folders[2];
    ASSERT_TRUE(archive.messages.contains(2));
    const auto& original = fixture.messages.folders[0].messages.at(1);
    const auto& copy = archive.messages.at(2);
    EXPECT_EQ(copy.text, original.text);
    EXPECT_EQ(copy.number, original.number);
    EXPECT_EQ(copy.timestamp, original.timestamp);
    EXPECT_EQ(copy.status, original.status);

    // The location is taken now: the phone refuses rather than overwrite.
    EXPECT_EQ(writesms(kArchive, 2, message), stRefused);
    GSMSMS nothing;
    EXPECT_EQ(writesms(kArchive, 3, nothing), stTooLong);  // no stored form to write
}

TEST_F(Messages7110, TheThirdFolderIsNotAskedWhenTheSecondDoesNotAnswer) {
    int statusRequests = 0;
    sim->stop();
    sim->setTrace([&](const char* direction, const phonesim::Message& m) {
        if (std::string(direction) != "PC" || m.type != 0x14 || m.body.size() < 4 ||
            m.body[3] != 0x6B) {
            return;
        }
        // The second folder's answer comes too late.
        if (++statusRequests == 2) sim->faults().setAnswerDelay(std::chrono::seconds(3));
    });
    port = sim->startPty().toStdString();
    ASSERT_EQ(connect(), stDone);
    tsmsinfo info;
    EXPECT_EQ(getsmsinfos(info), stNoAnswer);
    EXPECT_EQ(requestBodies(*sim, 0x14, 0x6B).size(), 2u);
    EXPECT_EQ(info.folders[0].messageCount, 2);
    sim->faults().setAnswerDelay(phonesim::Millis(0));
}

TEST_F(Messages7110, ANewFolderThroughTheReservedSlot) {
    uint8_t result = 0;
    lib().runJob([&] { result = lib().table.reserved20("Privat"); });
    ASSERT_EQ(result, stDone);
    EXPECT_EQ(requestBodies(*sim, 0x14, 0x77).back(),
              (std::vector<uint8_t>{0x00, 0x01, 0x01, 0x77, 0x29, 0x00, 'P',  0x00, 'r',  0x00, 'i',
                                    0x00, 'v',  0x00, 'a',  0x00, 't',  0x00, 0x00, 0x01, 0x01}));
    tsmsinfo info;
    ASSERT_EQ(getsmsinfos(info), stDone);
    ASSERT_EQ(info.folderCount, 5);
    EXPECT_EQ(info.folders[4].folderName, "Privat");
    EXPECT_EQ(info.folders[4].folderId, 0x28);
}

TEST_F(Messages7110, SendingAndTheCentreAsThe61xxFamily) {
    std::string centre = "1";
    ASSERT_EQ(GetSMSCenter(centre), stDone);
    EXPECT_EQ(centre, "+491722270333");
    GSMSMS text;
    text.serviceCentre = centre;
    text.remoteNumber = "+491701234567";
    text.text = "Gruss aus Corvina";
    ASSERT_EQ(SendSMS(text, 1, 1), stDone);
    const auto received = sim->fixture().messages.received;
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].text, "Gruss aus Corvina");
}

}  // namespace
