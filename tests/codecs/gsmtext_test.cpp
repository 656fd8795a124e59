#include "codecs/tools/gsmtext.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tools;

namespace {

std::string togsm(std::string text) {
    latintogsm(text);
    return text;
}

std::string tolatin(std::string septets) {
    gsmtolatin(septets);
    return septets;
}

}  // namespace

TEST(GsmText, LatinToGsmSpecialCharacters) {
    EXPECT_EQ(togsm("?"), "?");  // not the first '?' entry, a Greek capital
    EXPECT_EQ(togsm("@"), std::string(1, '\0'));
    EXPECT_EQ(togsm("$"), "\x02");
    EXPECT_EQ(togsm("_"), "\x11");
    EXPECT_EQ(togsm("\xA4"), "\x24");
    EXPECT_EQ(togsm("\xC4"), "\x5B");  // Ä
    EXPECT_EQ(togsm("["), "[");        // not in the table: passes unchanged
    EXPECT_EQ(togsm("\n\r"), "\n\r");
    EXPECT_EQ(togsm(""), "");
}

TEST(GsmText, GsmToLatin) {
    EXPECT_EQ(tolatin("\x1B"), "?");
    EXPECT_EQ(tolatin("\x10"), "?");
    EXPECT_EQ(tolatin("\xE4"), "\xE4");  // above 127: unchanged
    EXPECT_EQ(tolatin(std::string("\x00\x02\x5B", 3)), "@$\xC4");
}

TEST(GsmText, EveryTableByteSurvivesTheRoundTrip) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string latin(1, static_cast<char>(byte));
        const bool inTable =
            std::find(kGsmAlphabet.begin(), kGsmAlphabet.end(), byte) != kGsmAlphabet.end();
        if (inTable) {
            EXPECT_EQ(tolatin(togsm(latin)), latin) << "byte " << byte;
            EXPECT_LT(static_cast<uint8_t>(togsm(latin)[0]), 128) << "byte " << byte;
        }
    }
}
