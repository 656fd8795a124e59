#include "codecs/tools/septets.h"

#include <gtest/gtest.h>

#include <random>

#include "codecs/tools/gsmtext.h"

using namespace tools;

TEST(Septets, HelloHello) {
    EXPECT_EQ(packseptets("hellohello"), "E8329BFD4697D9EC37");
    EXPECT_EQ(unpackseptets("E8329BFD4697D9EC37", 10), "hellohello");
    EXPECT_EQ(unpackseptets("E8329BFD4697D9EC37", 7), "hellohe");
}

TEST(Septets, EighthSeptetOfSevenOctets) {
    const std::string eight = "ABCDEFGH";
    const std::string packed = packseptets(eight);
    ASSERT_EQ(packed.size(), 14u);  // 8 septets fill exactly 7 octets
    EXPECT_EQ(unpackseptets(packed, 8), eight);
}

TEST(Septets, TopBitIgnoredAndSpareBitsZero) {
    EXPECT_EQ(packseptets(std::string("\xC1", 1)), "41");
    EXPECT_EQ(packseptets("\x7F"), "7F");
    EXPECT_EQ(packseptets(""), "");
}

TEST(Septets, UntrustedInput) {
    EXPECT_EQ(unpackseptets("", 5), "");
    EXPECT_EQ(unpackseptets("E8", 0), "");
    EXPECT_EQ(unpackseptets("E8", -3), "");
    // Missing bits read as 0 and the result never outgrows the hex text.
    EXPECT_EQ(unpackseptets("E8", 1000000), std::string("\x68\x01", 2));
    EXPECT_EQ(unpackseptets("e8", 1), "\x08");                 // lower-case e reads as 0
    EXPECT_EQ(unpackseptets("E", 1), std::string("\x60", 1));  // odd digit is a high nibble
}

TEST(Septets, PackThenUnpackRandomStrings) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int length = 0; length <= 200; ++length) {
        std::string text(length, '\0');
        for (char& c : text) c = static_cast<char>(byte(random));
        const std::string packed = packseptets(text);
        EXPECT_EQ(packed.size(), 2 * ((7 * text.size() + 7) / 8));
        std::string septets = text;
        for (char& c : septets) c = static_cast<char>(c & 0x7F);
        EXPECT_EQ(unpackseptets(packed, length), septets) << "length " << length;
    }
}

TEST(Septets, GsmTextThroughPdu) {
    const std::string latin =
        "Gr\xFC\xDF"
        "e @ 5$?";  // Windows-1252 bytes
    std::string text = latin;
    latintogsm(text);
    std::string back = unpackseptets(packseptets(text), static_cast<int>(text.size()));
    gsmtolatin(back);
    EXPECT_EQ(back, latin);
}
