// SUBMIT bodies, stored messages and the message centre of the Nokia 61xx
// family on their bytes; ringtone files.
#include <gtest/gtest.h>

#include <QFile>

#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/messages.h"

using namespace phonelib;
using namespace phonelib::nokia;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes slice(const Bytes& body, size_t from, size_t count) {
    return {body.begin() + static_cast<long>(from), body.begin() + static_cast<long>(from + count)};
}

GSMSMS message(uint8_t smartKind = skText) {
    GSMSMS m;
    m.serviceCentre = "+491722270333";
    m.remoteNumber = "+491701234567";
    m.smartKind = smartKind;
    return m;
}

GSMSMS pictureMessage(uint8_t smartKind, int width, int height) {
    GSMSMS m = message(smartKind);
    m.picture.width = width;
    m.picture.height = height;
    m.picture.size = width * height / 8;
    for (int i = 0; i < m.picture.size; ++i) m.picture.rowData[i] = static_cast<uint8_t>(i);
    return m;
}

std::vector<Bytes> parts(const GSMSMS& m, size_t dataBytes, uint8_t expected = stDone) {
    const Bytes data(dataBytes, 0x5A);
    std::vector<Bytes> built;
    EXPECT_EQ(buildSmartSubmits(m, data, 0x2A, built), expected);
    return built;
}

// The body of a text that fits one message.
uint8_t buildTextSubmit(const GSMSMS& m, Bytes& body) {
    std::vector<Bytes> built;
    const uint8_t result = buildTextSubmits(m, 0x2A, built);
    if (result == stDone) {
        EXPECT_EQ(built.size(), 1u);
        body = built.front();
    }
    return result;
}

TEST(SubmitBodies, FiveCharacterText) {
    GSMSMS m = message();
    m.text = "hallo";
    Bytes body;
    ASSERT_EQ(buildTextSubmit(m, body), stDone);
    ASSERT_EQ(body.size(), 48u);
    EXPECT_EQ(slice(body, 0, 6), (Bytes{0x00, 0x01, 0x00, 0x01, 0x02, 0x00}));
    EXPECT_EQ(slice(body, 6, 8), (Bytes{0x07, 0x91, 0x94, 0x71, 0x22, 0x72, 0x30, 0x33}));
    EXPECT_EQ(body[18], 0x11);
    EXPECT_EQ(body[21], 0x00);
    EXPECT_EQ(body[22], 5);
    EXPECT_EQ(body[23], 0x0C);
    EXPECT_EQ(body[24], 0x91);
    EXPECT_EQ(slice(body, 25, 6), (Bytes{0x94, 0x71, 0x10, 0x32, 0x54, 0x76}));
    EXPECT_EQ(body[35], 0xAD);
    EXPECT_EQ(slice(body, 42, 6), (Bytes{0xE8, 0x30, 0x9B, 0xFD, 0x06, 0x00}));
}

TEST(SubmitBodies, FlashReportValidityAndNumbers) {
    GSMSMS m = message();
    m.flash = 1;
    m.statusReport = 1;
    m.remoteNumber = "00491701234567";  // "00" is international as well
    Bytes body;
    ASSERT_EQ(buildTextSubmit(m, body), stDone);
    EXPECT_EQ(body[21], 0xF0);
    EXPECT_EQ(body[18], 0x31);
    EXPECT_EQ(body[23], 12);
    EXPECT_EQ(body[24], 0x91);
    m.remoteNumber = "0171234";
    ASSERT_EQ(buildTextSubmit(m, body), stDone);
    EXPECT_EQ(body[24], 0x81);
    EXPECT_EQ(slice(body, 25, 4), (Bytes{0x10, 0x17, 0x32, 0xF4}));

    const std::pair<int32_t, uint8_t> validities[] = {{0, 0x00}, {1, 0xB0}, {2, 0x47}, {3, 0xA7},
                                                      {4, 0xA9}, {5, 0xAD}, {6, 0xAD}, {-1, 0xAD}};
    for (const auto& [code, byte] : validities) EXPECT_EQ(validityByte(code), byte) << code;

    m.remoteNumber = "+" + std::string(21, '1');
    EXPECT_EQ(buildTextSubmit(m, body), stTooLong);
    m.remoteNumber = "0171234";
    m.text = std::string(160, 'a');
    ASSERT_EQ(buildTextSubmit(m, body), stDone);
    EXPECT_EQ(body.size(), 203u);
}

TEST(SubmitBodies, LongTextGoesInConcatenatedParts) {
    GSMSMS m = message();
    m.text = std::string(152, 'a') + "\x1B\x3C" + std::string(200, 'b');  // "[" at 153-154
    std::vector<Bytes> built;
    ASSERT_EQ(buildTextSubmits(m, 0x2A, built), stDone);
    ASSERT_EQ(built.size(), 3u);
    const Bytes header = {0x05, 0x00, 0x03, 0x2A, 0x03};
    for (size_t k = 0; k < 3; ++k) {
        const Bytes& body = built[k];
        EXPECT_EQ(body[18], 0x51) << "header flag";
        EXPECT_EQ(slice(body, 42, 5), header);
        EXPECT_EQ(body[47], k + 1);
    }
    // 152 septets and no split escape pair, then 153, then the rest; each
    // after 7 septets of header and fill bit.
    EXPECT_EQ(built[0][22], 7 + 152);
    EXPECT_EQ(built[1][22], 7 + 153);
    EXPECT_EQ(built[2][22], 7 + (152 + 2 + 200 - 152 - 153));
    // The fill bit is 0, the first septet starts at the 7th octet's bit 1.
    EXPECT_EQ(built[0][48], static_cast<uint8_t>('a' << 1));

    m.text = std::string(9 * 153 + 1, 'x');
    EXPECT_EQ(buildTextSubmits(m, 0x2A, built), stTooLong) << "ten parts";

    m.text = std::string("\x04\x16\x04\x17", 4);  // "ЖЗ" as UTF-16
    m.dataCoding = kUcs2Coding;
    ASSERT_EQ(buildTextSubmits(m, 0x2A, built), stDone);
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(built[0][21], 0x08);
    EXPECT_EQ(built[0][22], 4);
    EXPECT_EQ(slice(built[0], 42, 4), (Bytes{0x04, 0x16, 0x04, 0x17}));
}

TEST(SubmitBodies, OperatorLogoFitsOnePart) {
    GSMSMS m = pictureMessage(skOperatorLogo, 72, 14);
    m.picture.networkCode = "26201";
    std::vector<Bytes> built;
    ASSERT_EQ(
        buildSmartSubmits(m, Bytes(m.picture.rowData.begin(), m.picture.rowData.begin() + 126),
                          0x2A, built),
        stDone);
    ASSERT_EQ(built.size(), 1u);
    const Bytes& body = built[0];
    EXPECT_EQ(body[5], 0x01);
    EXPECT_EQ(body[18], 0x51);
    EXPECT_EQ(body[21], 0xF5);
    EXPECT_EQ(body[22], 140);
    EXPECT_EQ(slice(body, 42, 14), (Bytes{0x06, 0x05, 0x04, 0x15, 0x82, 0x00, 0x00, 0x62, 0xF2,
                                          0x10, 0x00, 0x48, 0x0E, 0x01}));
    EXPECT_EQ(body[56 + 125], 125);
    EXPECT_EQ(body.size(), 43u + 140);
}

TEST(SubmitBodies, CallerLogoSplitsWithReference) {
    const auto built = parts(pictureMessage(skCallerGroupLogo, 72, 28), 252);
    ASSERT_EQ(built.size(), 2u);
    EXPECT_EQ(slice(built[0], 42, 16), (Bytes{0x0B, 0x05, 0x04, 0x15, 0x83, 0x00, 0x00, 0x00, 0x03,
                                              0x2A, 0x02, 0x01, 0x00, 0x48, 0x1C, 0x01}));
    EXPECT_EQ(built[0][22], 140);  // 124 data bytes
    EXPECT_EQ(built[1][5], 0x00);
    EXPECT_EQ(slice(built[1], 42, 12),
              (Bytes{0x0B, 0x05, 0x04, 0x15, 0x83, 0x00, 0x00, 0x00, 0x03, 0x2A, 0x02, 0x02}));
    EXPECT_EQ(built[1][22], 140);  // the other 128
}

TEST(SubmitBodies, SplitWhenHeaderAndDataExceed140Octets) {
    // Operator logo: 7 header + 3 network code + 4 picture header.
    EXPECT_EQ(parts(pictureMessage(skOperatorLogo, 72, 14), 126).size(), 1u);
    EXPECT_EQ(parts(pictureMessage(skOperatorLogo, 72, 14), 127).size(), 2u);
    // Caller logo and ringtone: 130 and 134 bytes no longer make a
    // 141-octet part.
    EXPECT_EQ(parts(pictureMessage(skCallerGroupLogo, 72, 14), 129).size(), 1u);
    EXPECT_EQ(parts(pictureMessage(skCallerGroupLogo, 72, 14), 130).size(), 2u);
    EXPECT_EQ(parts(message(skRingtone), 133).size(), 1u);
    EXPECT_EQ(parts(message(skRingtone), 134).size(), 2u);
    for (const auto& body : parts(message(skRingtone), 801)) EXPECT_LE(body[22], 140);
    // Picture message: text and data together.
    GSMSMS picture = pictureMessage(skPictureMessage, 72, 28);
    picture.text = std::string(22, 'x');
    EXPECT_EQ(parts(picture, 100).size(), 1u);
    EXPECT_EQ(parts(picture, 101).size(), 2u);
}

TEST(SubmitBodies, RefusedSmartMessages) {
    parts(message(skRingtone), 802, stTooLong);
    parts(message(3), 10, stNotAvailable);
    GSMSMS picture = pictureMessage(skPictureMessage, 72, 28);
    picture.text = std::string(117, 'x');  // leaves the first part no room
    parts(picture, 252, stTooLong);
    picture.text = std::string(116, 'x');
    EXPECT_EQ(parts(picture, 252).size(), 3u);

    std::string data;
    GSMSMS big = pictureMessage(skPictureMessage, 72, 28);
    big.picture.size = 1502;
    EXPECT_EQ(smartData(big, data), stTooLong);
    big.picture.size = 252;
    ASSERT_EQ(smartData(big, data), stDone);
    EXPECT_EQ(data.size(), 252u);
}

TEST(SubmitBodies, ProgressTags) {
    EXPECT_EQ(progressTag(1, 1, 1, 1), 100111);
    EXPECT_EQ(progressTag(2, 3, 4, 5), 500432);
    EXPECT_EQ(progressOutcome(1), 1);
    EXPECT_EQ(progressOutcome(4), 2);
    EXPECT_EQ(progressOutcome(0), 3);
    EXPECT_EQ(progressOutcome(9), 0);
}

// A stored message of status `status` at base offset o with the remote
// number +4930123, 12.05.01 10:30:45, and the user data given.
Bytes stored(uint8_t status, size_t o, uint8_t firstOctet, uint8_t dcs, uint8_t length,
             const Bytes& userData) {
    Bytes body(o + 39, 0x00);
    body[3] = 0x08;
    body[4] = 0x03;
    body[7] = status;
    body[20] = firstOctet;
    body[o + 18] = dcs;
    body[o + 19] = length;
    body[o + 20] = 7;
    body[o + 21] = 0x91;
    const Bytes number = {0x94, 0x03, 0x21, 0xF3};
    std::copy(number.begin(), number.end(), body.begin() + static_cast<long>(o + 22));
    const Bytes stamp = {0x10, 0x50, 0x21, 0x01, 0x03, 0x54};
    std::copy(stamp.begin(), stamp.end(), body.begin() + static_cast<long>(o + 32));
    body.insert(body.end(), userData.begin(), userData.end());
    return body;
}

TEST(StoredMessages, FieldsByStatus) {
    const Bytes hallo = {0xC8, 0x30, 0x9B, 0xFD, 0x06};
    GSMSMS m;
    ASSERT_TRUE(decodeStoredMessage(stored(0, 4, 0x04, 0x00, 5, hallo), m));
    EXPECT_EQ(m.status, 0);
    EXPECT_EQ(m.unread, 1);
    EXPECT_EQ(m.remoteNumber, "+4930123");
    EXPECT_EQ(m.text, "Hallo");
    EXPECT_EQ(m.date, "12.05.01");
    EXPECT_EQ(m.time, "10:30:45");

    ASSERT_TRUE(decodeStoredMessage(stored(2, 5, 0x11, 0x00, 5, hallo), m));
    EXPECT_EQ(m.status, 2);
    EXPECT_EQ(m.text, "Hallo");
    ASSERT_TRUE(decodeStoredMessage(stored(9, 4, 0x04, 0x00, 5, hallo), m));
    EXPECT_EQ(m.status, 3);
    EXPECT_EQ(m.text, "Hallo");

    m.text = "kept";
    Bytes statusOne = stored(1, 3, 0x04, 0x00, 5, hallo);
    statusOne[4] = 0x01;
    ASSERT_TRUE(decodeStoredMessage(statusOne, m));
    EXPECT_EQ(m.status, 1);
    EXPECT_EQ(m.unread, 0);
    EXPECT_EQ(m.text, "kept");
}

TEST(StoredMessages, TextAndDataBehindAHeader) {
    // Concatenation header (6 octets) then "Hallo" from septet 7 on.
    const Bytes text = {0x05, 0x00, 0x03, 0x2A, 0x02, 0x01, 0x90, 0x61, 0x36, 0xFB, 0x0D};
    GSMSMS m;
    ASSERT_TRUE(decodeStoredMessage(stored(0, 4, 0x44, 0x00, 12, text), m));
    EXPECT_EQ(m.eightBit, 0);
    EXPECT_EQ(m.text, "Hallo");

    // Port header (7 octets) then three data bytes.
    const Bytes data = {0x06, 0x05, 0x04, 0x15, 0x81, 0x00, 0x00, 0xCA, 0xFE, 0x01};
    ASSERT_TRUE(decodeStoredMessage(stored(0, 4, 0x44, 0xF5, 10, data), m));
    EXPECT_EQ(m.eightBit, 1);
    EXPECT_EQ(m.text, "CAFE01");
}

TEST(StoredMessages, CodingsAsGsm0338SaysWithEscapes) {
    GSMSMS m;
    // UCS-2 (DCS 08): "Жa€" as big-endian UTF-16.
    ASSERT_TRUE(
        decodeStoredMessage(stored(0, 4, 0x04, 0x08, 6, {0x04, 0x16, 0x00, 0x61, 0x20, 0xAC}), m));
    EXPECT_EQ(m.utf8Text,
              "\xD0\x96"
              "a\xE2\x82\xAC");
    EXPECT_EQ(m.text, "?a\x80") << "Windows-1252 with '?' for the rest";
    EXPECT_EQ(m.dataCoding, 0x08);
    // DCS 04 is 8-bit data, not text.
    ASSERT_TRUE(decodeStoredMessage(stored(0, 4, 0x04, 0x04, 2, {0xCA, 0xFE}), m));
    EXPECT_EQ(m.eightBit, 1);
    EXPECT_EQ(m.text, "CAFE");
    // 7-bit with the escape pairs of "[" and "€": 1B 3C 1B 65 packed.
    ASSERT_TRUE(decodeStoredMessage(stored(0, 4, 0x04, 0xF0, 4, {0x1B, 0xDE, 0xA6, 0x0C}), m));
    EXPECT_EQ(m.eightBit, 0) << "F0 is flash text";
    EXPECT_EQ(m.utf8Text, "[\xE2\x82\xAC");
    EXPECT_EQ(m.text, "[\x80");
}

TEST(StoredMessages, NumbersAndShortBodies) {
    Bytes body = stored(0, 4, 0x04, 0x00, 5, {0xC8, 0x30, 0x9B, 0xFD, 0x06});
    GSMSMS m;
    body[24] = 17;
    ASSERT_TRUE(decodeStoredMessage(body, m));
    EXPECT_EQ(m.remoteNumber, "???");
    body[24] = 2;  // the type decides the "+", not the length
    ASSERT_TRUE(decodeStoredMessage(body, m));
    EXPECT_EQ(m.remoteNumber, "+49");
    // A short code of type 81: 3311, not "+3311".
    body[24] = 4;
    body[25] = 0x81;
    body[26] = 0x33;
    body[27] = 0x11;
    ASSERT_TRUE(decodeStoredMessage(body, m));
    EXPECT_EQ(m.remoteNumber, "3311");
    // Type D0: "Otelo" packed as 7-bit text (5 septets = 35 bits, 9 semi-octets).
    body[24] = 9;
    body[25] = 0xD0;
    const Bytes otelo = {0x4F, 0x7A, 0x99, 0xFD, 0x06};
    std::copy(otelo.begin(), otelo.end(), body.begin() + 26);
    ASSERT_TRUE(decodeStoredMessage(body, m));
    EXPECT_EQ(m.remoteNumber, "Otelo");

    // A length byte beyond the body reads only what is there.
    body[4 + 19] = 160;
    ASSERT_TRUE(decodeStoredMessage(body, m));
    EXPECT_EQ(m.text, "Hallo");

    body.resize(4 + 35);  // inside the time stamp: no user data, no date
    ASSERT_TRUE(decodeStoredMessage(body, m));
    EXPECT_EQ(m.text, "");
    EXPECT_EQ(m.date, "");
    body.resize(7);
    m.text = "unchanged";
    EXPECT_FALSE(decodeStoredMessage(body, m));
    EXPECT_EQ(m.text, "unchanged");
}

TEST(StoredMessages, ReadErrorsAndMessageCentre) {
    EXPECT_EQ(decodeReadError(Bytes{0x01, 0x08, 0x00, 0x09, 0x02}), stNoSuchLocation);
    EXPECT_EQ(decodeReadError(Bytes{0x01, 0x08, 0x00, 0x09, 0x07}), stEmptyLocation);
    EXPECT_FALSE(decodeReadError(Bytes{0x01, 0x08, 0x00, 0x09, 0x05}));
    EXPECT_FALSE(decodeReadError(Bytes{0x01, 0x08, 0x00, 0x09}));

    Bytes centre(23, 0x00);
    centre[3] = 0x34;
    centre[21] = 7;
    centre[22] = 0x91;
    for (const uint8_t b : {0x94, 0x71, 0x22, 0x72, 0x30, 0x33}) centre.push_back(b);
    EXPECT_EQ(decodeMessageCentre(centre), "+491722270333");
    centre[22] = 0x81;
    EXPECT_EQ(decodeMessageCentre(centre), "491722270333");
    centre[22] = 0xA1;
    EXPECT_FALSE(decodeMessageCentre(centre));
    centre[22] = 0x91;
    centre[21] = 0xFF;  // more octets than the body holds
    EXPECT_EQ(decodeMessageCentre(centre), "+491722270333");
    EXPECT_FALSE(decodeMessageCentre(Bytes(22, 0x91)));
}

}  // namespace
