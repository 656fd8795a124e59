#include "codecs/tools/copybytes.h"

#include <gtest/gtest.h>

#include <array>

using namespace tools;

TEST(CopyBytes, IntoString) {
    const std::array<uint8_t, 5> source = {'a', 'b', 'c', 0, 'e'};
    EXPECT_EQ(copybytes(source, 1, 3), std::string("bc\0", 3));
    EXPECT_EQ(copybytes(source, 3, 100), std::string("\0e", 2));  // shortened at the end
    EXPECT_EQ(copybytes(source, 5, 1), "");
    EXPECT_EQ(copybytes(source, SIZE_MAX, SIZE_MAX), "");
}

TEST(CopyBytes, BetweenArrays) {
    const std::array<uint8_t, 4> source = {1, 2, 3, 4};
    std::array<uint8_t, 3> target{};
    EXPECT_EQ(copybytes(source, 1, target, 1, 10), 2u);  // the target is full after two
    EXPECT_EQ(target, (std::array<uint8_t, 3>{0, 2, 3}));
    EXPECT_EQ(copybytes(source, 9, target, 0, 2), 0u);
    EXPECT_EQ(copybytes(source, 0, target, SIZE_MAX, 2), 0u);
}

TEST(CopyBytes, OverlappingRunsOfOneArray) {
    std::array<uint8_t, 6> data = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(copybytes(data, 0, data, 2, 4), 4u);
    EXPECT_EQ(data, (std::array<uint8_t, 6>{1, 2, 1, 2, 3, 4}));
}
