#include "codecs/tools/hextext.h"

#include <gtest/gtest.h>

using namespace tools;

TEST(HexText, DigitsAndCase) {
    EXPECT_EQ(hexdigitvalue('0'), 0);
    EXPECT_EQ(hexdigitvalue('9'), 9);
    EXPECT_EQ(hexdigitvalue('A'), 10);
    EXPECT_EQ(hexdigitvalue('F'), 15);
    EXPECT_EQ(hexdigitvalue('a'), 0);  // lower case is not recognised
    EXPECT_EQ(hexdigitvalue('G'), 0);
}

TEST(HexText, BytesRoundTripAndOddLength) {
    const std::string all = [] {
        std::string s;
        for (int i = 0; i < 256; ++i) s.push_back(static_cast<char>(i));
        return s;
    }();
    EXPECT_EQ(hextobytes(bytestohex(all)), all);
    EXPECT_EQ(bytestohex(std::string("\x00\xFF\x1E", 3)), "00FF1E");
    EXPECT_EQ(hextobytes("1E0"), std::string("\x1E"));
    EXPECT_EQ(hextobytes(""), "");
    EXPECT_EQ(hextobytes("ff"), std::string(1, '\0'));
}

TEST(HexText, Bits) {
    EXPECT_EQ(hextobits("A5"), "10100101");
    EXPECT_EQ(hextobits("0"), "00000000");
    EXPECT_EQ(hextobits(""), "00000000");
    EXPECT_EQ(bitstoint("10100101"), 0xA5);
    EXPECT_EQ(bitstoint("1111111"), 127);
    EXPECT_EQ(bitstoint(""), 0);
}
