// Logo and ringtone uploads of the Nokia 61xx family byte for byte, and the
// logo answers decoded from captured bodies.
#include <gtest/gtest.h>

#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/calendar.h"
#include "phonelib/drivers/nokia61xx/logos.h"
#include "tests/support/fbusframe.h"
#include "tests/support/libraryfixture.h"
#include "tests/support/testbitmaps.h"

using namespace phonelib;
using testing_support::patternedBitmap;
using namespace phonelib::nokia;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes head(const Bytes& body, size_t n) {
    return Bytes(body.begin(), body.begin() + static_cast<long>(std::min(n, body.size())));
}

TEST(Nokia61xxLogoRequests, OperatorLogoCarriesCodeSizeAndOneSpareByte) {
    GSMBitmap logo = patternedBitmap(bkOperatorLogo, 72, 14);
    logo.networkCode = "62F210";
    Request request;
    ASSERT_EQ(logoUploadRequest(logo, request), stDone);
    EXPECT_EQ(request.type, 0x05);
    ASSERT_EQ(request.body.size(), 141u);
    EXPECT_EQ(head(request.body, 14), (Bytes{0x00, 0x01, 0x00, 0x30, 0x00, 0x62, 0xF2, 0x10, 0x00,
                                             0x82, 0x00, 0x48, 0x0E, 0x01}));
    EXPECT_EQ(request.body[14], 0x00);   // first row byte
    EXPECT_EQ(request.body[139], 125);   // last row byte
    EXPECT_EQ(request.body[140], 0x00);  // the spare byte
}

TEST(Nokia61xxLogoRequests, CallerGroupLogoHeader) {
    GSMBitmap logo = patternedBitmap(bkCallerGroupLogo, 72, 14);
    logo.groupIndex = 2;
    logo.groupName = "Familie";
    logo.groupRingtone = 0x110;  // only the low byte travels
    logo.groupLogoOn = 1;
    Request request;
    ASSERT_EQ(logoUploadRequest(logo, request), stDone);
    EXPECT_EQ(request.type, 0x03);
    EXPECT_EQ(request.body.size(), 7u + 126u + 14u);
    EXPECT_EQ(head(request.body, 21),
              (Bytes{0x00, 0x01, 0x00, 0x13, 0x02, 0x07, 'F',  'a',  'm',  'i', 'l',
                     'i',  'e',  0x10, 0x01, 0x00, 0x82, 0x00, 0x48, 0x0E, 0x01}));

    logo.groupLogoOn = 0;
    ASSERT_EQ(logoUploadRequest(logo, request), stDone);
    EXPECT_EQ(request.body[14], 0x00);
}

TEST(Nokia61xxLogoRequests, StartupLogoTravelsAsStripes) {
    GSMBitmap logo = patternedBitmap(bkStartupLogo, 84, 48);
    Request request;
    ASSERT_EQ(logoUploadRequest(logo, request), stDone);
    EXPECT_EQ(request.type, 0x05);
    ASSERT_EQ(request.body.size(), 504u + 11u);
    EXPECT_EQ(head(request.body, 8), (Bytes{0x00, 0x01, 0x00, 0x18, 0x01, 0x01, 48, 84}));
    EXPECT_EQ(request.body[8], 0xFF);  // stripe data, not row data
    EXPECT_EQ(Bytes(request.body.end() - 3, request.body.end()), (Bytes{0x00, 84, 0x00}));

    logo.size = 0;
    EXPECT_EQ(logoUploadRequest(logo, request), stNotAvailable);
}

TEST(Nokia61xxLogoRequests, PictureImageGoesToItsLocation) {
    GSMBitmap image = patternedBitmap(bkPictureMessage, 72, 28);
    image.location = 0x103;  // one byte cannot name it: its low byte is another slot
    Request request;
    EXPECT_EQ(logoUploadRequest(image, request), stNoSuchLocation);
    image.location = 3;
    ASSERT_EQ(logoUploadRequest(image, request), stDone);
    EXPECT_EQ(request.type, 0x47);
    EXPECT_EQ(request.body.size(), 252u + 14u);
    EXPECT_EQ(head(request.body, 13),
              (Bytes{0x00, 0x01, 0x00, 0x03, 0x03, 0x00, 0x81, 0x00, 0x00, 0x00, 72, 28, 0x01}));
}

TEST(Nokia61xxLogoRequests, RefusesWhatDoesNotFit) {
    Request request;
    GSMBitmap logo = patternedBitmap(bkOperatorLogo, 72, 14);
    logo.size = kBitmapBytes + 1;
    EXPECT_EQ(logoUploadRequest(logo, request), stTooLong);
    logo = patternedBitmap(bkOperatorLogo, 72, 14);
    logo.width = 256;
    EXPECT_EQ(logoUploadRequest(logo, request), stTooLong);
    logo = patternedBitmap(bkCallerGroupLogo, 72, 14);
    logo.groupName.assign(256, 'x');
    EXPECT_EQ(logoUploadRequest(logo, request), stTooLong);
    logo.groupName.assign(255, 'x');
    EXPECT_EQ(logoUploadRequest(logo, request), stDone);
    EXPECT_EQ(request.body[5], 255);
    logo.kind = 8;
    EXPECT_EQ(logoUploadRequest(logo, request), stNotAvailable);
}

TEST(Nokia61xxLogoRequests, Ringtones) {
    const Bytes tone = {0x02, 0x4A, 0x3A};
    Request request;
    ASSERT_EQ(ringtoneRequest05(tone, 4, request), stDone);
    EXPECT_EQ(request,
              (Request{0x05, {0x00, 0x01, 0x00, 0x36, 0x04, 0x00, 0x03, 0x02, 0x4A, 0x3A}}));
    EXPECT_EQ(ringtoneRequest05(Bytes(256, 0x11), 1, request), stTooLong);

    const Request type12 = ringtoneRequest12(tone);
    EXPECT_EQ(type12.type, 0x12);
    EXPECT_EQ(type12.body, (Bytes{0x0C, 0x01, 0x06, 0x05, 0x04, 0x15, 0x81, 0x15, 0x81, 0x02,
                                  0x4A, 0x3A, 0,    0,    0,    0,    0,    0,    0,    0}));
}

TEST(Nokia61xxLogoAnswers, OperatorLogo) {
    // The rows follow the 01 at byte 13 directly, as gnokii and gammu read a
    // real phone's answer.
    Bytes body = {0x00, 0x01, 0x00, 0x34, 0x01, 0x62, 0xF2, 0x10, 0x00, 0x08, 0x00, 16, 2, 0x01};
    body.insert(body.end(), {0xAA, 0xBB, 0xCC, 0xDD, 0x01, 0x40});  // four data bytes, frame tail
    GSMBitmap logo;
    logo.rowData.fill(0x77);
    ASSERT_TRUE(decodeOperatorLogo(body, logo));
    EXPECT_EQ(logo.kind, bkOperatorLogo);
    EXPECT_EQ(logo.width, 16);
    EXPECT_EQ(logo.height, 2);
    EXPECT_EQ(logo.size, 4);
    EXPECT_EQ(head(Bytes(logo.rowData.begin(), logo.rowData.end()), 5),
              (Bytes{0xAA, 0xBB, 0xCC, 0xDD, 0x00}));

    // The body ends inside the picture: nothing is taken.
    GSMBitmap untouched;
    untouched.width = 5;
    EXPECT_FALSE(decodeOperatorLogo(head(body, 17), untouched));
    EXPECT_EQ(untouched.width, 5);
    EXPECT_FALSE(decodeOperatorLogo(head(body, 12), untouched));
}

TEST(Nokia61xxLogoAnswers, StartupLogoAndOversizePictures) {
    // Three typed blocks: a welcome note "Hi", the logo (height 3, width
    // 10), a second note.
    Bytes body = {0x00, 0x01, 0x00, 0x17, 0x03, 0x02, 0x02, 'H', 'i', 0x01, 3, 10};
    body.insert(body.end(), {0x01, 0x02, 0x03, 0x04, 0x03, 0x00});
    GSMBitmap logo;
    ASSERT_TRUE(decodeStartupLogo(body, logo));
    EXPECT_EQ(logo.kind, bkStartupLogo);
    EXPECT_EQ(logo.height, 3);
    EXPECT_EQ(logo.width, 10);
    EXPECT_EQ(logo.size, 4);
    EXPECT_EQ(logo.stripeData[3], 0x04);
    // No logo block, or one cut short: nothing is taken.
    GSMBitmap untouched;
    untouched.width = 5;
    EXPECT_FALSE(
        decodeStartupLogo(Bytes{0x00, 0x01, 0x00, 0x17, 0x01, 0x02, 0x01, 'H'}, untouched));
    EXPECT_FALSE(decodeStartupLogo(head(body, 14), untouched));
    EXPECT_FALSE(decodeStartupLogo(Bytes{0x00, 0x01, 0x00, 0x17, 0x01, 0x02, 0xFF}, untouched));
    EXPECT_EQ(untouched.width, 5);

    // 255 x 255 pixels need 8129 bytes; the record holds 1501.
    Bytes big = {0x00, 0x01, 0x00, 0x17, 0x01, 0x01, 255, 255};
    big.resize(8 + kBitmapBytes, 0x5A);
    ASSERT_TRUE(decodeStartupLogo(big, logo));
    EXPECT_EQ(logo.size, kBitmapBytes);
    EXPECT_EQ(logo.stripeData.back(), 0x5A);
}

class Nokia61xxUploads : public testing_support::LibraryFixture {
  protected:
    // The messages the library wrote, reassembled per frame.
    std::vector<testing_support::Frame> sentFrames() {
        return testing_support::splitFrames(link.take());
    }
};

TEST_F(Nokia61xxUploads, LocationsOneByteCannotNameAreRefusedUnsent) {
    uint8_t picture = 0;
    uint8_t read = 0;
    uint8_t removed = 0;
    onLibraryThread([&] {
        GSMBitmap image = patternedBitmap(bkPictureMessage, 72, 28);
        image.location = 257;
        picture = Sendbitmap(image);
        TCalendarEntry entry;
        read = ReadCalendarEntry(entry, 256);
        removed = DeleteCalendarentry(257);  // its low byte would delete note 1
    });
    EXPECT_EQ(picture, stNoSuchLocation);
    EXPECT_EQ(read, stNoSuchLocation);
    EXPECT_EQ(removed, stNoSuchLocation);
    EXPECT_TRUE(sentFrames().empty());
}

TEST_F(Nokia61xxUploads, DeleteLogoSendsAnEmptyLogoThenTwoTones) {
    uint8_t result = 0;
    onLibraryThread([&] {
        std::string code = "26201";
        result = DeleteLogo(code, 3);
    });
    EXPECT_EQ(result, stDone);
    const auto frames = sentFrames();
    ASSERT_EQ(frames.size(), 6u);  // the logo in two frames, tone on/off twice
    EXPECT_EQ(frames[0].type, 0x05);
    Bytes body = frames[0].data;
    body.resize(body.size() - 2);  // frames-to-go and sequence
    body.insert(body.end(), frames[1].data.begin(), frames[1].data.end() - 2);
    ASSERT_EQ(body.size(), 141u);
    EXPECT_EQ(head(body, 14), (Bytes{0x00, 0x01, 0x00, 0x30, 0x00, 0x00, 0xF0, 0x00, 0x00, 0x82,
                                     0x00, 0x48, 0x0E, 0x01}));
    EXPECT_EQ(Bytes(body.begin() + 14, body.end()), Bytes(127, 0x00));
    for (size_t i = 2; i < frames.size(); ++i) EXPECT_EQ(frames[i].type, 0x40);
}

TEST_F(Nokia61xxUploads, NothingToSendStillSoundsTheTonesAndRefusalsDoNot) {
    uint8_t result = 0;
    onLibraryThread([&] {
        GSMBitmap empty = patternedBitmap(bkStartupLogo, 84, 48);
        empty.size = 0;
        result = Sendbitmap(empty);
    });
    EXPECT_EQ(result, stNotAvailable);
    auto frames = sentFrames();
    ASSERT_EQ(frames.size(), 4u);
    for (const auto& frame : frames) EXPECT_EQ(frame.type, 0x40);

    onLibraryThread([&] {
        GSMBitmap tooBig = patternedBitmap(bkOperatorLogo, 72, 14);
        tooBig.size = 5000;
        result = Sendbitmap(tooBig);
    });
    EXPECT_EQ(result, stTooLong);
    EXPECT_TRUE(sentFrames().empty());
}

}  // namespace
