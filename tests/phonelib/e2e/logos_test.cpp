// Logos, pictures and ringtones against the simulated phone.
#include <QFile>

#include "phonesim/fixture/ringtonenotes.h"
#include "tests/phonelib/e2e/requestlog.h"
#include "tests/phonelib/e2e/simulatedphone.h"
#include "tests/support/scratchfiles.h"
#include "tests/support/testbitmaps.h"

using namespace phonelib;
using testing_support::patternedBitmap;
using testing_support::requestBodies;
using testing_support::SimulatedPhoneTest;

namespace {

// Uploads are not answered; the phone may still be reading when they return.
constexpr std::chrono::seconds kWait{2};

std::vector<uint8_t> firstBytes(const std::array<uint8_t, kBitmapBytes>& data, int size) {
    return {data.begin(), data.begin() + size};
}

using Logos = SimulatedPhoneTest;

TEST_F(Logos, OperatorLogoComesBackPixelIdentical) {
    startPhone("NSE-3");
    ASSERT_EQ(connect(), stDone);
    GSMBitmap logo = patternedBitmap(bkOperatorLogo, 72, 14);
    logo.networkCode = "26201";
    ASSERT_EQ(Sendbitmap(logo), stDone);
    ASSERT_TRUE(sim->waitForRequest(0x05, kWait));
    const auto uploads = requestBodies(*sim, 0x05, 0x30);
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_EQ(uploads[0].size(), 141u);
    EXPECT_EQ(sim->fixture().data.operatorLogo->networkCode, QStringLiteral("26201"));

    GSMBitmap read;
    read.kind = bkOperatorLogo;
    ASSERT_EQ(GetBitmap(read), stDone);
    EXPECT_EQ(read.kind, bkOperatorLogo);
    EXPECT_EQ(read.width, 72);
    EXPECT_EQ(read.height, 14);
    EXPECT_EQ(read.size, 126);
    EXPECT_EQ(firstBytes(read.rowData, 126), firstBytes(logo.rowData, 126));
}

TEST_F(Logos, StartupLogoTravelsAsStripesBothWays) {
    startPhone("NHM-5");
    ASSERT_EQ(connect(), stDone);
    const GSMBitmap logo = patternedBitmap(bkStartupLogo, 84, 48);
    ASSERT_EQ(Sendbitmap(logo), stDone);
    ASSERT_TRUE(sim->waitForRequest(0x05, kWait));
    // The phone sees the picture the stripes describe: pixel (x, y) is bit
    // y mod 8 of byte (y div 8) * width + x.
    const auto stored = sim->fixture().data.startupLogo;
    ASSERT_TRUE(stored);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 84; ++x) {
            const bool black = (logo.stripeData[(y / 8) * 84 + x] >> (y % 8)) & 1;
            ASSERT_EQ(stored->black(x, y), black) << x << "," << y;
        }
    }
    GSMBitmap read;
    read.kind = bkStartupLogo;
    ASSERT_EQ(GetBitmap(read), stDone);
    EXPECT_EQ(read.kind, bkStartupLogo);
    EXPECT_EQ(read.width, 84);
    EXPECT_EQ(read.height, 48);
    EXPECT_EQ(firstBytes(read.stripeData, 504), firstBytes(logo.stripeData, 504));
}

TEST_F(Logos, DeleteLogoLeavesAnEmptyLogoAndPicturesGoToTheirSlot) {
    startPhone("NSE-3");
    ASSERT_EQ(connect(), stDone);
    ASSERT_EQ(DeleteLogo("26201", 3), stDone);
    ASSERT_TRUE(sim->waitForRequest(0x05, kWait));
    const auto deleted = sim->fixture().data.operatorLogo;
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted->networkCode, QStringLiteral("00000"));
    EXPECT_EQ(deleted->picture.width, 72);
    EXPECT_EQ(std::count(deleted->picture.pixels.begin(), deleted->picture.pixels.end(), 1), 0);

    GSMBitmap image = patternedBitmap(bkPictureMessage, 72, 28);
    image.location = 2;
    ASSERT_EQ(Sendbitmap(image), stDone);
    ASSERT_TRUE(sim->waitForRequest(0x47, kWait));
    const auto pictures = sim->fixture().data.pictures;
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].slot, 2);
    EXPECT_EQ(pictures[0].picture.height, 28);
}

TEST_F(Logos, DownloadsWithoutAnswerEndAfterTheirOwnLimit) {
    startPhone("NSE-3");
    ASSERT_EQ(connect(), stDone);
    sim->faults().silenceFor(std::chrono::seconds(5));
    GSMBitmap logo = patternedBitmap(bkOperatorLogo, 72, 14);
    logo.kind = bkStartupLogo;
    EXPECT_EQ(GetBitmap(logo), stNoAnswer);
    EXPECT_EQ(logo.kind, bkStartupLogo);
    EXPECT_EQ(logo.size, 0);
}

TEST_F(Logos, Model18SendsTheRequestButIgnoresTheAnswer) {
    startPhone("NHM-7");
    ASSERT_EQ(connect(), stDone);
    GSMBitmap logo;
    logo.kind = bkOperatorLogo;
    EXPECT_EQ(GetBitmap(logo), stNoAnswer);
    EXPECT_EQ(requestBodies(*sim, 0x05, 0x33).size(), 1u);
}

TEST_F(Logos, CallerGroupLogoComesBackWithItsGroup) {
    startPhone("NSE-3");
    ASSERT_EQ(connect(), stDone);
    GSMBitmap logo = patternedBitmap(bkCallerGroupLogo, 72, 14);
    logo.groupIndex = 2;
    logo.groupName = "Chefs";
    logo.groupRingtone = 0x10;
    logo.groupLogoOn = 1;
    ASSERT_EQ(Sendbitmap(logo), stDone);
    ASSERT_TRUE(sim->journal().waitUntil(
        [](const auto& r) {
            return std::any_of(r.requests.begin(), r.requests.end(), [](const auto& m) {
                return m.type == 0x03 && m.body.size() > 3 && m.body[3] == 0x13;
            });
        },
        kWait));
    const auto group = sim->fixture().phonebook.callerGroups[2];
    EXPECT_EQ(group.name, QStringLiteral("Chefs"));
    EXPECT_EQ(group.ringtone, 0x10);
    EXPECT_TRUE(group.logoOn);

    GSMBitmap read;
    read.kind = bkCallerGroupLogo;
    read.groupIndex = 2;
    ASSERT_EQ(GetBitmap(read), stDone);
    EXPECT_EQ(read.groupName, "Chefs");
    EXPECT_EQ(read.width, 72);
    EXPECT_EQ(read.height, 14);
    EXPECT_EQ(read.size, 126);
    EXPECT_EQ(firstBytes(read.rowData, 126), firstBytes(logo.rowData, 126));
}

TEST_F(Logos, CallerGroupLogoOnAModelWithoutGroups) {
    startPhone("NSE-1");
    ASSERT_EQ(connect(), stDone);
    GSMBitmap logo;
    logo.kind = bkCallerGroupLogo;
    logo.groupIndex = 1;
    EXPECT_EQ(GetBitmap(logo), stNotAvailable);
    EXPECT_TRUE(requestBodies(*sim, 0x03).empty());
}

class Ringtones : public SimulatedPhoneTest {
  protected:
    std::string write(const QString& name, const QByteArray& content) {
        return files.write(name, content);
    }

    QString storedMelody(std::optional<int> location) {
        for (const auto& ringtone : sim->fixture().data.ringtones) {
            if (ringtone.location != location) continue;
            const auto melody = phonesim::decodeRingtone(ringtone.bytes);
            return melody ? melody->text() : QStringLiteral("(unreadable)");
        }
        return QStringLiteral("(none)");
    }

    testing_support::ScratchFiles files;
};

TEST_F(Ringtones, RtttlArrivesAsTheSameNotes) {
    startPhone("NSE-3");  // type 0x12
    ASSERT_EQ(connect(), stDone);
    const auto file = write("scale.txt", "Scale:d=8,o=5,b=180:c,d,e,f,g,a,b,c6,4p,16c#.7,2b7\r\n");
    ASSERT_EQ(SendRingTone(file, 5), stDone);
    ASSERT_TRUE(sim->waitForRequest(0x12, kWait));
    EXPECT_EQ(storedMelody(std::nullopt),
              QStringLiteral("Scale:b=180:8c5,8d5,8e5,8f5,8g5,8a5,8b5,8c6,4p,16c#.7,2b7"));
    ASSERT_EQ(requestBodies(*sim, 0x12).size(), 1u);
    // Two tones follow the upload (after the switch of the extended commands).
    ASSERT_TRUE(sim->waitForRequest(0x40, std::chrono::seconds(2), 5));
    EXPECT_EQ(requestBodies(*sim, 0x40, 0x8F, 2).size(), 4u);
}

TEST_F(Ringtones, MultiTrackMidiArrivesAsItsFirstMelody) {
    startPhone("NHM-5");  // type 0x05, into a location
    ASSERT_EQ(connect(), stDone);
    const QByteArray tempoTrack = QByteArray::fromHex("00FF510307A12000FF2F00");
    const QByteArray melodyTrack = QByteArray::fromHex(
        "00904040"    // channel 1: e5
        "00913C40"    // channel 2: c5 at the same time
        "8360804000"  // e5 off after a quarter
        "00813C00"
        "00904340"    // g5
        "8170804300"  // off after an eighth
        "00904840"    // c6
        "8740804800"  // off after a half
        "00FF2F00");
    QByteArray midi = QByteArray::fromHex("4D546864000000060001000201E0");
    for (const QByteArray& track : {tempoTrack, melodyTrack}) {
        midi += "MTrk" + QByteArray::fromHex("000000") + char(track.size()) + track;
    }
    ASSERT_EQ(SendRingTone(write("song.mid", midi), 3), stDone);
    ASSERT_TRUE(sim->waitForRequest(0x05, kWait));
    EXPECT_EQ(storedMelody(3), QStringLiteral("Corvina:b=125:4e5,8g5,2c6"));
    const auto uploads = requestBodies(*sim, 0x05, 0x36);
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_EQ(uploads[0][4], 3);
    EXPECT_EQ(uploads[0][6], uploads[0].size() - 7);
}

TEST_F(Ringtones, FilesThatCannotBeSentSendNothing) {
    startPhone("NSE-3");
    ASSERT_EQ(connect(), stDone);
    EXPECT_EQ(SendRingTone(files.path("missing.txt"), 0), stCannotOpen);
    EXPECT_EQ(SendRingTone(write("bad.txt", "no ringtone"), 0), stFileUnreadable);
    EXPECT_TRUE(requestBodies(*sim, 0x12).empty());
    EXPECT_TRUE(requestBodies(*sim, 0x40, 0x8F, 2).empty());
}

}  // namespace
