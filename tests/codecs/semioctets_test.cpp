#include "codecs/tools/semioctets.h"

#include <gtest/gtest.h>

#include <random>

using namespace tools;

TEST(SemiOctets, EncodeWithFiller) {
    EXPECT_EQ(semioctetencode("26201"), "6202F1");
    EXPECT_EQ(semioctetencode("262"), "62F2");
    EXPECT_EQ(semioctetencode("01"), "10");
    EXPECT_EQ(semioctetencode("1"), "F1");
    EXPECT_EQ(semioctetencode(""), "");
}

TEST(SemiOctets, DecodeCutsAtFiller) {
    EXPECT_EQ(semioctetdecode("6202F1"), "26201");
    EXPECT_EQ(semioctetdecode("62F2"), "262");
    // The filler and up to nine characters after it go.
    EXPECT_EQ(semioctetdecode("21F43658709921"), "1242");
    EXPECT_EQ(semioctetdecode("123"), "213");  // a lone last character stays
    EXPECT_EQ(semioctetdecode("F"), "");
    EXPECT_EQ(semioctetdecode("1F"), "");
    EXPECT_EQ(semioctetdecode(""), "");
}

TEST(SemiOctets, RoundTripRandomDigits) {
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int length = 0; length <= 40; ++length) {
        std::string digits(length, '0');
        for (char& c : digits) c = static_cast<char>('0' + digit(random));
        EXPECT_EQ(semioctetdecode(semioctetencode(digits)), digits);
    }
}
