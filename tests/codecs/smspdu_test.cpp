// Stored PDUs taken apart: vectors written by hand from GSM 03.40 for every
// kind of message a phone delivers, and damaged PDUs that must not be read
// past their end.
#include "codecs/sms/smspdu.h"

#include <gtest/gtest.h>

using namespace sms;

namespace {

// Service centre +491722270333, time stamp 12.05.01 10:30:45 GMT+2.
constexpr const char* kCentre = "0791947122723033";
constexpr const char* kStamp = "10502101035480";

std::string deliver(const std::string& firstOctet, const std::string& address,
                    const std::string& coding, const std::string& userData) {
    return kCentre + firstOctet + address + "00" + coding + kStamp + userData;
}

TEST(SmsPdu, SevenBitFromAnInternationalSender) {
    const auto pdu = decodepdu(deliver("04", "0C91947110325476", "00", "0AC8309BFD065DCB6C3A"));
    ASSERT_TRUE(pdu);
    EXPECT_EQ(pdu->kind, PduKind::Deliver);
    EXPECT_EQ(pdu->serviceCentre.text, "+491722270333");
    EXPECT_EQ(pdu->address.text, "+491701234567");
    EXPECT_EQ(pdu->alphabet, Alphabet::Gsm7);
    EXPECT_EQ(pdu->userData, "Hallo Welt");
    EXPECT_TRUE(pdu->timestamp.present);
    EXPECT_EQ(pdu->timestamp.year, 1);
    EXPECT_EQ(pdu->timestamp.month, 5);
    EXPECT_EQ(pdu->timestamp.day, 12);
    EXPECT_EQ(pdu->timestamp.hour, 10);
    EXPECT_EQ(pdu->timestamp.minute, 30);
    EXPECT_EQ(pdu->timestamp.second, 45);
    EXPECT_EQ(pdu->timestamp.zoneQuarters, 8);
    EXPECT_TRUE(pdu->complete);

    const auto national = decodepdu(deliver("04", "0B811007214365F7", "00", "03C87408"));
    ASSERT_TRUE(national);
    EXPECT_EQ(national->address.text, "01701234567");
    EXPECT_EQ(national->userData, "Hi!");
}

TEST(SmsPdu, AlphanumericSenderIsPackedText) {
    const auto pdu = decodepdu(
        deliver("04", "0DD0C4582BE936BF01", "00", "1349B41C74ACD3D16171D9AD03D540C5AA14"));
    ASSERT_TRUE(pdu);
    EXPECT_TRUE(pdu->address.alphanumeric());
    EXPECT_EQ(pdu->address.text, "D1-Info");
    EXPECT_EQ(pdu->userData, "Ihr Guthaben: 5 EUR");
}

TEST(SmsPdu, OtherAlphabets) {
    const auto ucs2 =
        decodepdu(deliver("04", "0C91947110325476", "08", "100047007200FC00DF0065002020AC005B"));
    ASSERT_TRUE(ucs2);
    EXPECT_EQ(ucs2->alphabet, Alphabet::Ucs2);
    EXPECT_EQ(ucs2tocp1252(ucs2->userData),
              "Gr\xFC\xDF"
              "e \x80[");
    EXPECT_EQ(ucs2tocp1252(std::string("\x04\x14\x00", 3)), "?")
        << "Cyrillic, and half a character";

    const auto eight = decodepdu(deliver("04", "0C91947110325476", "04", "040102FF10"));
    ASSERT_TRUE(eight);
    EXPECT_EQ(eight->alphabet, Alphabet::EightBit);
    EXPECT_EQ(eight->userData, std::string("\x01\x02\xFF\x10", 4));

    const auto flash = decodepdu(deliver("04", "0C91947110325476", "10", "05417658DE06"));
    ASSERT_TRUE(flash);
    EXPECT_EQ(flash->messageClass, 0);
    EXPECT_EQ(flash->userData, "Alarm");

    EXPECT_EQ(alphabetof(0x00), Alphabet::Gsm7);
    EXPECT_EQ(alphabetof(0xF4), Alphabet::EightBit);
    EXPECT_EQ(alphabetof(0xF0), Alphabet::Gsm7);
    EXPECT_EQ(alphabetof(0x19), Alphabet::Ucs2);
    EXPECT_EQ(alphabetof(0x24), Alphabet::EightBit) << "compressed";
    EXPECT_EQ(alphabetof(0xE0), Alphabet::Ucs2);
    EXPECT_EQ(alphabetof(0xC8), Alphabet::Gsm7);
    EXPECT_EQ(messageclassof(0x00), -1);
    EXPECT_EQ(messageclassof(0xF2), 2);
}

TEST(SmsPdu, UserDataHeaderLeadsTheText) {
    const auto pdu =
        decodepdu(deliver("44", "0C91947110325476", "00", "100500032A0301A8E5341B544EBBE7"));
    ASSERT_TRUE(pdu);
    EXPECT_EQ(pdu->header, std::string("\x00\x03\x2A\x03\x01", 5));
    EXPECT_EQ(pdu->userData, "Teil eins");

    const auto eightBit = decodepdu(deliver("44", "0C91947110325476", "04", "080605041582000041"));
    ASSERT_TRUE(eightBit);
    EXPECT_EQ(eightBit->header, std::string("\x05\x04\x15\x82\x00\x00", 6));
    EXPECT_EQ(eightBit->userData, "A");
}

TEST(SmsPdu, StatusReportAndStoredSubmit) {
    const auto report =
        decodepdu(std::string(kCentre) + "062A0C91947111325476" + kStamp + "10502101132080" + "00");
    ASSERT_TRUE(report);
    EXPECT_EQ(report->kind, PduKind::StatusReport);
    EXPECT_EQ(report->reference, 0x2A);
    EXPECT_EQ(report->address.text, "+491711234567");
    EXPECT_EQ(report->discharge.minute, 31);
    EXPECT_EQ(report->discharge.second, 2);
    EXPECT_EQ(report->reportStatus, 0);
    EXPECT_TRUE(report->complete);

    const auto submit = decodepdu(std::string(kCentre) + "11000A8110173254760000A705E8329BFD06");
    ASSERT_TRUE(submit);
    EXPECT_EQ(submit->kind, PduKind::Submit);
    EXPECT_EQ(submit->reference, 0);
    EXPECT_EQ(submit->address.text, "0171234567");
    EXPECT_EQ(submit->validityFormat, ValidityFormat::Relative);
    EXPECT_EQ(submit->relativeValidity, 0xA7);
    EXPECT_FALSE(submit->timestamp.present);
    EXPECT_EQ(submit->userData, "hello");

    // Enhanced validity: seven octets, then the user data.
    const auto enhanced = decodepdu(
        "0009000A811017325476000001000000000000"
        "05E8329BFD06");
    ASSERT_TRUE(enhanced);
    EXPECT_EQ(enhanced->validityFormat, ValidityFormat::Enhanced);
    EXPECT_EQ(enhanced->userData, "hello");
}

TEST(SmsPdu, DamagedPdusAreReadAsFarAsTheyGo) {
    const std::string whole =
        deliver("44", "0C91947110325476", "00", "100500032A0301A8E5341B544EBBE7");
    for (size_t length = 0; length < whole.size(); length += 2) {
        const auto pdu = decodepdu(whole.substr(0, length));
        if (!pdu) {
            EXPECT_LT(length, 4u);
            continue;
        }
        EXPECT_FALSE(pdu->complete) << length;
        EXPECT_LE(pdu->userData.size(), 9u) << length;
    }
    EXPECT_FALSE(decodepdu("07919471ZZ"));
    EXPECT_TRUE(
        decodepdu("0791947122723033040c91947110325476000010502101035480"
                  "0ac8309bfd065dcb6c3a"))
        << "lower case";
    // Lengths far beyond the data: an address of 255 digits, 255 septets.
    const auto huge = decodepdu("0004FF91" + std::string(20, '1'));
    ASSERT_TRUE(huge);
    EXPECT_FALSE(huge->complete);
    const auto longText = decodepdu(deliver("04", "0C91947110325476", "00", "FFC8309B"));
    ASSERT_TRUE(longText);
    EXPECT_EQ(longText->userData.size(), 3u);
    EXPECT_FALSE(longText->complete);
}

}  // namespace
