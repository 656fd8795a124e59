// Stored messages, the message centre and sending text and smart messages
// against the simulated phone, which reassembles what it receives.
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <map>

#include "codecs/ringtones/encoderingtone.h"
#include "codecs/ringtones/parseringtone.h"
#include "codecs/tools/hextext.h"
#include "tests/phonelib/e2e/simulatedphone.h"
#include "tests/phonelib/e2e/storedkinds.h"

using namespace phonelib;
using testing_support::SimulatedPhoneTest;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) b.append(static_cast<char>(v));
    return b;
}

QByteArray rowData(const GSMBitmap& picture) {
    return {reinterpret_cast<const char*>(picture.rowData.data()), picture.size};
}

GSMBitmap picture(int width, int height) {
    GSMBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.size = width * height / 8;
    for (int i = 0; i < bitmap.size; ++i) bitmap.rowData[i] = static_cast<uint8_t>(i * 7 + 1);
    return bitmap;
}

GSMSMS messageTo(std::string number, uint8_t smartKind = skText) {
    GSMSMS message;
    message.serviceCentre = "+491722270333";
    message.remoteNumber = std::move(number);
    message.smartKind = smartKind;
    return message;
}

size_t submitsSeen(const phonesim::Simulator& sim) {
    const auto all = sim.requests();
    return static_cast<size_t>(std::count_if(all.begin(), all.end(), [](const auto& m) {
        return m.type == 0x02 && m.body.size() > 3 && m.body[3] == 0x01;
    }));
}

class Messages : public SimulatedPhoneTest {
  protected:
    void connectTo(const phonesim::Fixture& fixture) {
        startPhone(fixture);
        ASSERT_EQ(connect(), stDone);
    }
    phonesim::ReceivedMessage onlyReceived() {
        const auto received = sim->fixture().messages.received;
        EXPECT_EQ(received.size(), 1u);
        return received.empty() ? phonesim::ReceivedMessage{} : received.front();
    }
    // The progress notifications as (tag, outcome) pairs.
    std::vector<std::pair<intptr_t, intptr_t>> progress() {
        std::vector<std::pair<intptr_t, intptr_t>> seen;
        for (const auto& r : host.received()) {
            if (r.message == nfSmsProgress) seen.emplace_back(r.wParam, r.lParam);
        }
        return seen;
    }
};

TEST_F(Messages, StoredMessagesOfEveryStatus) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    auto& stored = fixture.messages.stored;
    stored.clear();
    const QDateTime stamp({2001, 5, 12}, {10, 30, 45});
    stored[1] = {0, true, "+491701234567", stamp, "Hallo Welt", {}, false, {}};
    stored[2] = {1, false, "+4930111", stamp, "Status eins", {}, false, {}};
    stored[3] = {2, false, "0301234567", stamp, "Bin unterwegs", {}, false, {}};
    stored[4] = {7, false, "+4930222", stamp, "Anderer Status", {}, false, {}};
    // Part 1 of 2 of a concatenated text: header 05 00 03 2A 02 01.
    stored[5] = {0, false, "+4930333", stamp, "Teil eins", {}, false, bytes({5, 0, 3, 0x2A, 2, 1})};
    // 8-bit data behind a port header.
    stored[6] = {0,          false,
                 "+4930444", stamp,
                 {},         bytes({0xCA, 0xFE, 0x01}),
                 true,       bytes({6, 5, 4, 0x15, 0x81, 0, 0})};
    connectTo(fixture);

    GSMSMS message;
    ASSERT_EQ(GetSMS(0, 1, message), stDone);
    EXPECT_EQ(message.status, 0);
    EXPECT_EQ(message.unread, 1);
    EXPECT_EQ(message.remoteNumber, "+491701234567");
    EXPECT_EQ(message.text, "Hallo Welt");
    EXPECT_EQ(message.date, "12.05.01");
    EXPECT_EQ(message.time, "10:30:45");
    EXPECT_EQ(message.eightBit, 0);

    // Status 1 is not decoded: the fields of the message before stay.
    ASSERT_EQ(GetSMS(0, 2, message), stDone);
    EXPECT_EQ(message.status, 1);
    EXPECT_EQ(message.unread, 0);
    EXPECT_EQ(message.text, "Hallo Welt");

    ASSERT_EQ(GetSMS(0, 3, message), stDone);
    EXPECT_EQ(message.status, 2);
    EXPECT_EQ(message.remoteNumber, "0301234567");
    EXPECT_EQ(message.text, "Bin unterwegs");

    ASSERT_EQ(GetSMS(0, 4, message), stDone);
    EXPECT_EQ(message.status, 3);
    EXPECT_EQ(message.text, "Anderer Status");

    ASSERT_EQ(GetSMS(0, 5, message), stDone);
    EXPECT_EQ(message.text, "Teil eins");

    ASSERT_EQ(GetSMS(0, 6, message), stDone);
    EXPECT_EQ(message.eightBit, 1);
    EXPECT_EQ(message.text, "CAFE01");

    EXPECT_EQ(GetSMS(0, 7, message), stEmptyLocation);
    EXPECT_EQ(GetSMS(0, 16, message), stNoSuchLocation);  // the NSE-3 keeps 15
}

TEST_F(Messages, DeletingAndTheMessageCentre) {
    connectTo(phonesim::Fixture::forModel("NSE-3"));
    EXPECT_EQ(deletesms(0, 1), stDone);
    EXPECT_FALSE(sim->fixture().messages.stored.contains(1));
    EXPECT_EQ(deletesms(0, 3), 0);  // empty: the phone's error is no answer here

    std::string centre = "1";
    ASSERT_EQ(GetSMSCenter(centre), stDone);
    EXPECT_EQ(centre, "+491722270333");

    // A type byte other than 91 or 81 is not taken: time-out, string kept.
    sim->editFixture([](phonesim::Fixture& f) { f.messages.centre.type = 0xA1; });
    centre = "1";
    EXPECT_EQ(GetSMSCenter(centre), 0);
    EXPECT_EQ(centre, "1");
}

TEST_F(Messages, TextWithFlashReportAndValidity) {
    connectTo(phonesim::Fixture::forModel("NSE-3"));
    GSMSMS message = messageTo("+491701234567");
    message.text = "Hallo @ Welt";
    message.flash = 1;
    message.statusReport = 1;
    message.validity = 3;
    ASSERT_EQ(SendSMS(message, 1, 1), stDone);
    const auto received = onlyReceived();
    EXPECT_EQ(received.text, "Hallo @ Welt");  // through the GSM alphabet and back
    EXPECT_EQ(received.number, "+491701234567");
    EXPECT_EQ(received.centre, "+491722270333");
    EXPECT_EQ(received.firstOctet, 0x31);
    EXPECT_EQ(received.dcs, 0xF0);
    EXPECT_EQ(received.validity, 0xA7);
    EXPECT_EQ(progress(), (std::vector<std::pair<intptr_t, intptr_t>>{{100111, 0}, {100111, 1}}));
}

TEST_F(Messages, OperatorLogoInOnePart) {
    connectTo(phonesim::Fixture::forModel("NSE-3"));
    GSMSMS message = messageTo("01701234567", skOperatorLogo);
    message.picture = picture(72, 14);
    message.picture.networkCode = "26201";
    ASSERT_EQ(SendSMS(message, 1, 1), stDone);
    EXPECT_EQ(submitsSeen(*sim), 1u);
    const auto received = onlyReceived();
    EXPECT_EQ(received.port, 0x1582);
    EXPECT_EQ(received.dcs, 0xF5);
    EXPECT_EQ(received.number, "01701234567");
    EXPECT_EQ(received.data,
              bytes({0x62, 0xF2, 0x10, 0x00, 72, 14, 0x01}) + rowData(message.picture));
}

TEST_F(Messages, CallerLogoAndPictureInSeveralParts) {
    connectTo(phonesim::Fixture::forModel("NSE-3"));
    GSMSMS logo = messageTo("+491701234567", skCallerGroupLogo);
    logo.picture = picture(72, 28);
    ASSERT_EQ(SendSMS(logo, 2, 3), stDone);
    EXPECT_EQ(submitsSeen(*sim), 2u);
    auto received = onlyReceived();
    EXPECT_EQ(received.port, 0x1583);
    EXPECT_EQ(received.parts, 2);
    EXPECT_EQ(received.data, bytes({0x00, 72, 28, 0x01}) + rowData(logo.picture));
    // Part 1 of 2, then part 2 of 2, for recipient 2 of 3.
    EXPECT_EQ(progress(), (std::vector<std::pair<intptr_t, intptr_t>>{
                              {300221, 0}, {300221, 1}, {300222, 0}, {300222, 1}}));

    sim->editFixture([](phonesim::Fixture& f) { f.messages.received.clear(); });
    GSMSMS picture = messageTo("+491701234567", skPictureMessage);
    picture.picture = logo.picture;
    picture.text = "Gruss";
    ASSERT_EQ(SendSMS(picture, 1, 1), stDone);
    received = onlyReceived();
    EXPECT_EQ(received.port, 0x158A);
    EXPECT_EQ(received.parts, 3);
    EXPECT_EQ(received.data, bytes({0x30, 0x00, 0x00, 5}) + "Gruss" +
                                 bytes({0x02, 0x01, 0x00, 0x00, 72, 28, 0x01}) +
                                 rowData(logo.picture));
}

TEST_F(Messages, RingtonesFromTextFiles) {
    connectTo(phonesim::Fixture::forModel("NSE-3"));
    QTemporaryDir dir;
    const std::string file = dir.filePath("melody.TXT").toStdString();
    const std::string rtttl = "Test:d=4,o=5,b=125:c,e,g,8c6";
    std::ofstream(file) << rtttl << "\r\nnot read\r\n";
    GSMSMS message = messageTo("+491701234567", skRingtone);
    message.ringtoneFile = file;
    ASSERT_EQ(SendSMS(message, 1, 1), stDone);
    ringdecode::TMid melody;
    std::string hex;
    ASSERT_TRUE(ringdecode::parseringtone(rtttl, melody).ok());
    ASSERT_TRUE(ringdecode::encoderingtone(melody, hex).ok());
    const auto received = onlyReceived();
    EXPECT_EQ(received.port, 0x1581);
    EXPECT_EQ(received.data.toStdString(), tools::hextobytes(hex));

    const size_t before = submitsSeen(*sim);
    message.ringtoneFile = dir.filePath("melody.wav").toStdString();
    EXPECT_EQ(SendSMS(message, 1, 1), stUnsupportedFile);
    message.ringtoneFile = dir.filePath("missing.txt").toStdString();
    EXPECT_EQ(SendSMS(message, 1, 1), stCannotOpen);
    EXPECT_EQ(submitsSeen(*sim), before);
}

TEST_F(Messages, ARefusedPartStopsTheMessage) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.messages.refusePart = 1;
    connectTo(fixture);
    GSMSMS logo = messageTo("+491701234567", skCallerGroupLogo);
    logo.picture = picture(72, 28);
    EXPECT_EQ(SendSMS(logo, 1, 1), stRefused);
    EXPECT_EQ(submitsSeen(*sim), 1u);
    EXPECT_EQ(progress().back(), (std::pair<intptr_t, intptr_t>{100121, 2}));

    sim->editFixture([](phonesim::Fixture& f) { f.messages.refusePart = 2; });
    host.clear();
    EXPECT_EQ(SendSMS(logo, 1, 1), stRefused);
    EXPECT_EQ(submitsSeen(*sim), 3u);
    EXPECT_TRUE(sim->fixture().messages.received.empty());  // never complete
    EXPECT_EQ(progress().back(), (std::pair<intptr_t, intptr_t>{100122, 2}));
}

TEST_F(Messages, ASilentPhoneGivesTheTimeOutResults) {
    connectTo(phonesim::Fixture::forModel("NSE-3"));
    // One unanswered request at a time: two in a row would end the link.
    const auto silently = [&](const std::function<void()>& operation) {
        sim->faults().silenceFor(std::chrono::minutes(1));
        operation();
        sim->faults().silenceFor(std::chrono::milliseconds(0));
        TPhoneInfo info;
        ASSERT_EQ(GetPhoneInfos(info), stDone);
    };
    GSMSMS message;
    silently([&] { EXPECT_EQ(GetSMS(0, 1, message), stNoAnswer); });
    silently([&] { EXPECT_EQ(deletesms(0, 1), 0); });
    std::string centre = "1";
    silently([&] { EXPECT_EQ(GetSMSCenter(centre), 0); });
    EXPECT_EQ(centre, "1");
    host.clear();
    GSMSMS text = messageTo("+491701234567");
    text.text = "Hallo";
    silently([&] { EXPECT_EQ(SendSMS(text, 1, 1), 0); });
    ASSERT_FALSE(progress().empty());
    EXPECT_EQ(progress().back(), (std::pair<intptr_t, intptr_t>{100111, 3}));
}

TEST_F(Messages, AnotherFamilyAfterwardsKeepsNoneOfTheseProcedures) {
    connectTo(phonesim::Fixture::forModel("NSE-3"));
    sim.reset();
    startPhone("NHM-7");  // model 18: its messages live in the 7110 family's folders
    ASSERT_EQ(connect(), stDone);
    tsmsinfo folders;
    ASSERT_EQ(getsmsinfos(folders), stDone);
    EXPECT_EQ(folders.folderCount, 4);
    GSMSMS message;
    EXPECT_EQ(GetSMS(0, 1, message), stNoSuchLocation);  // no folder 0 there
}

}  // namespace

// A long text goes as one concatenated message: parts of 153 septets (an
// escape pair never split), a reference of its own per message, progress
// per part; UCS-2 in parts of 67; ten parts and a bad number send nothing.
TEST_F(Messages, LongTextsGoConcatenatedWithEscapesAndUnicode) {
    connectTo(phonesim::Fixture::forModel("NSE-3"));
    std::string text = std::string(152, 'a') + "[x] \xE4";  // "[" would be septets 153-154
    text += std::string(400 - text.size(), 'b');
    GSMSMS message = messageTo("+491701234567");
    message.text = text;
    ASSERT_EQ(SendSMS(message, 1, 2), stDone);
    ASSERT_EQ(SendSMS(message, 2, 2), stDone);
    const auto received = sim->fixture().messages.received;
    ASSERT_EQ(received.size(), 2u);
    for (const auto& got : received) {
        EXPECT_EQ(got.text, QString::fromLatin1(text.data(), 400)) << "escapes read back";
        EXPECT_EQ(got.parts, 3);
        ASSERT_EQ(got.pieces.size(), 3u);
        EXPECT_EQ(got.pieces[0].length, 7 + 152);
        EXPECT_EQ(got.pieces[1].length, 7 + 153);
        EXPECT_EQ(got.pieces[2].length, 7 + (400 + 2 - 152 - 153));
        for (int k = 0; k < 3; ++k) {
            const QByteArray& header = got.pieces[static_cast<size_t>(k)].header;
            EXPECT_EQ(header.left(2), bytes({0x00, 0x03}));
            EXPECT_EQ(header.mid(3), bytes({3, k + 1}));
        }
    }
    EXPECT_NE(received[0].pieces[0].header[2], received[1].pieces[0].header[2])
        << "the two messages have different references";
    const auto seen = progress();
    ASSERT_EQ(seen.size(), 12u);
    EXPECT_EQ(seen[0], (std::pair<intptr_t, intptr_t>{200131, 0}));
    EXPECT_EQ(seen[5], (std::pair<intptr_t, intptr_t>{200133, 1}));
    EXPECT_EQ(seen[11], (std::pair<intptr_t, intptr_t>{200233, 1}));

    sim->editFixture([](phonesim::Fixture& f) { f.messages.received.clear(); });
    GSMSMS cyrillic = messageTo("+79161234567");
    const QString russian = QString(140, QChar(0x0416));
    cyrillic.text = std::string(140, '?');
    cyrillic.utf8Text = russian.toStdString();
    ASSERT_EQ(SendSMS(cyrillic, 1, 1), stDone);
    const auto unicode = onlyReceived();
    EXPECT_EQ(unicode.text, russian);
    ASSERT_EQ(unicode.pieces.size(), 3u);
    EXPECT_EQ(unicode.pieces[0].dcs, 0x08);
    EXPECT_EQ(unicode.pieces[0].length, 6 + 67 * 2);
    EXPECT_EQ(unicode.pieces[2].length, 6 + 6 * 2);

    const size_t before = submitsSeen(*sim);
    message.text = std::string(9 * 153 + 1, 'x');
    EXPECT_EQ(SendSMS(message, 1, 1), stTooLong);
    message.text = "Hallo";
    message.remoteNumber = "Anna [0170123]";
    EXPECT_EQ(SendSMS(message, 1, 1), stBadNumber);
    EXPECT_EQ(submitsSeen(*sim), before) << "nothing went out";
}

// Stored messages of every kind on a full phone (255 locations), read back
// and compared with what GSM 03.40 and 03.38 make of each by hand.
TEST_F(Messages, StoredMessagesOfEveryKindReadAsTheStandardsSay) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.messages.capacity = 255;
    auto& stored = fixture.messages.stored;
    stored.clear();
    const auto kinds = testing_support::storedKinds(250);
    for (const auto& [location, kind] : kinds) stored[location] = kind.message;
    connectTo(fixture);
    testing_support::expectEveryKind(
        kinds, [](int location, GSMSMS& message) { return GetSMS(0, location, message); });
    GSMSMS message;
    EXPECT_EQ(GetSMS(0, 251, message), stEmptyLocation);
}
