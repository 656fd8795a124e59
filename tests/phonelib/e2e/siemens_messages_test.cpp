// Short messages of a simulated Siemens phone in PDU mode: stored PDUs of
// every kind read, messages sent, deleted, the message centre.
#include "codecs/sms/smspdu.h"
#include "codecs/sms/textparts.h"
#include "phonelib/api/notification.h"
#include "phonesim/siemens/storedpdu.h"
#include "tests/phonelib/e2e/siemensphone.h"
#include "tests/phonelib/e2e/storedkinds.h"

using namespace phonelib;
using testing_support::SiemensPhoneTest;

namespace {

using SiemensMessages = SiemensPhoneTest;

struct Expected {
    int32_t location;
    const char* number;
    const char* text;
    uint8_t status;
    uint8_t unread;
    const char* date;
    const char* time;
};

TEST_F(SiemensMessages, StoredPdusOfEveryKind) {
    connectTo("S45");
    const Expected expected[] = {
        {1, "+491701234567", "Hallo Welt", 0, 0, "12.05.01", "10:30:45"},
        {2, "D1-Info", "Ihr Guthaben: 5 EUR", 0, 1, "12.05.01", "10:30:45"},  // alphanumeric
        {3, "+491701234567",
         "Gr\xFC\xDF"
         "e \x80[",
         0, 0, "12.05.01", "10:30:45"},                                   // UCS-2: "[" stays itself
        {4, "+491701234567", "0102FF10", 0, 0, "12.05.01", "10:30:45"},   // 8-bit
        {5, "+491701234567", "Teil eins", 0, 0, "12.05.01", "10:30:45"},  // with header
        {6, "+491711234567", "Sendebericht: zugestellt", 0, 0, "12.05.01", "10:31:02"},
        {7, "0171234567", "hello", 2, 1, "", ""},                 // stored sent: status 2, unread 1
        {8, "01701234567", "Hi!", 0, 0, "12.05.01", "10:30:45"},  // national sender (81)
    };
    for (const Expected& e : expected) {
        GSMSMS message;
        ASSERT_EQ(GetSMS(0, e.location, message), stDone) << e.location;
        EXPECT_EQ(message.remoteNumber, e.number) << e.location;
        EXPECT_EQ(message.text, e.text) << e.location;
        EXPECT_EQ(message.status, e.status) << e.location;
        EXPECT_EQ(message.unread, e.unread) << e.location;
        EXPECT_EQ(message.date, e.date) << e.location;
        EXPECT_EQ(message.time, e.time) << e.location;
    }
    GSMSMS message;
    ASSERT_EQ(GetSMS(0, 4, message), stDone);
    EXPECT_EQ(message.eightBit, 1);
    ASSERT_EQ(GetSMS(0, 7, message), stDone);
    EXPECT_EQ(message.validity, 3);  // one day
    ASSERT_EQ(GetSMS(0, 9, message), stDone);
    EXPECT_EQ(message.flash, 1);
    EXPECT_EQ(GetSMS(0, 12, message), stEmptyLocation);
    EXPECT_EQ(GetSMS(0, 21, message), stInvalidIndex);

    // A message captured elsewhere, replayed from the fixture.
    sim->editFixture([](phonesim::Fixture& f) {
        f.siemens.messages[12] = {1, QByteArray::fromHex("0011000B919471103254F60000AA01")};
    });
    EXPECT_EQ(GetSMS(0, 12, message), stDone) << "a truncated PDU is read as far as it goes";

    ASSERT_EQ(deletesms(0, 1), stDone);
    EXPECT_TRUE(heard("AT+CMGD=1"));
    EXPECT_EQ(GetSMS(0, 1, message), stEmptyLocation);
}

// Received messages the simulated phone builds from their fields: senders
// by number type (D0, national), codings (UCS-2, 8-bit 04 and F4, flash F0)
// and escape pairs, read through the driver as the Nokia families read them.
TEST_F(SiemensMessages, StoredMessagesOfEveryKindFromTheirFields) {
    auto fixture = phonesim::Fixture::forModel("S45");
    fixture.siemens.messageCapacity = 100;
    fixture.siemens.messages.clear();
    auto kinds = testing_support::storedKinds(100, true);
    kinds[100].message.coding = 0xF0;  // a flash message: 7-bit text of class 0
    for (const auto& [location, kind] : kinds) {
        fixture.siemens.messages[location] = {
            1, phonesim::siemens::storedPdu(kind.message, fixture.messages.centre)};
    }
    connectTo(fixture);
    testing_support::expectEveryKind(
        kinds, [](int location, GSMSMS& message) { return GetSMS(0, location, message); });
    GSMSMS flash;
    ASSERT_EQ(GetSMS(0, 100, flash), stDone);
    EXPECT_EQ(flash.flash, 1);
}

GSMSMS hello() {
    GSMSMS message;
    message.serviceCentre = "+4912345678";
    message.remoteNumber = "0171234567";
    message.validity = 3;
    message.text = "hello";
    return message;
}

TEST_F(SiemensMessages, SendingBuildsThePdu) {
    connectTo("S45");
    host.clear();
    ASSERT_EQ(SendSMS(hello(), 2, 3), stDone);
    EXPECT_TRUE(heard("AT+CMGS=18"));
    const auto sent = sim->fixture().siemens.sent;
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].toHex().toUpper(),
              "069194214365871100"
              "0A811017325476"
              "0000A705"
              "E8329BFD06");
    const auto& progress = host.received();
    ASSERT_GE(progress.size(), 2u);
    std::vector<testing_support::NotificationRecorder::Received> sms;
    for (const auto& n : progress) {
        if (n.message == nfSmsProgress) sms.push_back(n);
    }
    ASSERT_EQ(sms.size(), 2u);
    EXPECT_EQ(sms[0].wParam, 11 + 100 * 2 + 100000 * 3);
    EXPECT_EQ(sms[0].lParam, 0);
    EXPECT_EQ(sms[1].lParam, 1);

    GSMSMS report = hello();
    report.statusReport = 1;
    report.flash = 1;
    report.serviceCentre.clear();   // the phone's own centre
    report.text = "\xC4rger @ 5$";  // Latin-1; the export maps it to the GSM alphabet
    ASSERT_EQ(SendSMS(report, 1, 1), stDone);
    const QByteArray pdu = sim->fixture().siemens.sent.back();
    EXPECT_EQ(static_cast<uint8_t>(pdu[0]), 0x00) << "no centre of its own";
    EXPECT_EQ(static_cast<uint8_t>(pdu[1]), 0x31);
    EXPECT_EQ(static_cast<uint8_t>(pdu[11]), 0xF0) << "flash: class 0";
    EXPECT_EQ(pdu.mid(13).toHex().toUpper(), "0A5BF9B92C0701403501");
}

// A long text goes as concatenated PDUs built by the same encoder as the
// Nokia family's: header 05 00 03 reference parts part, 153 septets each,
// the brackets as escape pairs.
TEST_F(SiemensMessages, LongTextGoesAsConcatenatedPdus) {
    connectTo("S45");
    host.clear();
    GSMSMS message = hello();
    std::string text = "[Anfang] ";
    while (text.size() < 400)
        text +=
            "Gr\xFC\xDF"
            "e ";
    text.resize(400);
    message.text = text;
    ASSERT_EQ(SendSMS(message, 1, 1), stDone);
    const auto sent = sim->fixture().siemens.sent;
    ASSERT_EQ(sent.size(), 3u);
    std::string joined;
    for (size_t k = 0; k < 3; ++k) {
        const auto pdu = sms::decodepdu(sent[k].toHex().toStdString());
        ASSERT_TRUE(pdu && pdu->complete);
        EXPECT_EQ(pdu->firstOctet & 0x40, 0x40);
        ASSERT_EQ(pdu->header.size(), 5u);
        EXPECT_EQ(pdu->header.substr(0, 2), std::string("\x00\x03", 2));
        EXPECT_EQ(pdu->header.substr(3), (std::string{3, static_cast<char>(k + 1)}));
        joined += pdu->userData;
    }
    EXPECT_EQ(sms::gsmtotext(joined), QString::fromLatin1(text.data(), 400));
    std::vector<intptr_t> tags;
    for (const auto& n : host.received()) {
        if (n.message == nfSmsProgress && n.lParam == 1) tags.push_back(n.wParam);
    }
    EXPECT_EQ(tags, (std::vector<intptr_t>{100131, 100132, 100133}));
}

TEST_F(SiemensMessages, RefusedMessages) {
    connectTo("S45");
    failCommand("+CMGS", "+CMS ERROR: 322");
    EXPECT_EQ(SendSMS(hello(), 1, 1), stMemoryFull);
    EXPECT_TRUE(inputs().empty()) << "no PDU without the prompt";
    failCommand("+CMGS", "+CMS ERROR: 500");
    EXPECT_EQ(SendSMS(hello(), 1, 1), stSmsError);
    sim->editFixture([](phonesim::Fixture& f) { f.siemens.errors.clear(); });

    sim->clearJournal();
    GSMSMS letters = hello();
    letters.remoteNumber = "Pizza";
    EXPECT_EQ(SendSMS(letters, 1, 1), stBadNumber);
    GSMSMS centre = hello();
    centre.serviceCentre = "SMSC";
    EXPECT_EQ(SendSMS(centre, 1, 1), stNoServiceCentre);
    GSMSMS longText = hello();
    longText.text = std::string(9 * 153 + 1, 'x');  // ten parts
    EXPECT_EQ(SendSMS(longText, 1, 1), stTooLong);
    GSMSMS logo = hello();
    logo.smartKind = skOperatorLogo;
    EXPECT_EQ(SendSMS(logo, 1, 1), stNotAvailable);
    EXPECT_TRUE(driverCommands().empty());
}

TEST_F(SiemensMessages, CentreAndFolders) {
    connectTo("S45");
    std::string centre;
    ASSERT_EQ(GetSMSCenter(centre), stDone);
    EXPECT_EQ(centre, "+491722270333");
    sim->editFixture([](phonesim::Fixture& f) { f.messages.centre.number.clear(); });
    centre = "unchanged";
    EXPECT_EQ(GetSMSCenter(centre), stEmptyLocation);
    EXPECT_EQ(centre, "unchanged");

    setdefault_foldernames("Eingang", "Ausgang");
    tsmsinfo folders;
    ASSERT_EQ(getsmsinfos(folders), stDone);
    EXPECT_EQ(folders.folderCount, 2);
    EXPECT_EQ(folders.folders[0].folderName, "Eingang");
    EXPECT_EQ(folders.folders[1].folderName, "Ausgang");
}

}  // namespace
