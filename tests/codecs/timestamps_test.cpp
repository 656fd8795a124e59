#include "codecs/tools/timestamps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

using namespace tools;

TEST(Timestamps, DaysInMonth) {
    EXPECT_EQ(daysinmonth(2, 1900), 28);
    EXPECT_EQ(daysinmonth(2, 2000), 29);
    EXPECT_EQ(daysinmonth(2, 2004), 29);
    EXPECT_EQ(daysinmonth(2, 2001), 28);
    EXPECT_EQ(daysinmonth(4, 2001), 30);
    EXPECT_EQ(daysinmonth(12, 2001), 31);
    EXPECT_EQ(daysinmonth(13, 2001), 31);  // out of range: no table to overrun
}

TEST(Timestamps, AcrossYearBoundary) {
    EXPECT_EQ(timestampdiff("200101010000", "200012312359"), -60);
    EXPECT_EQ(timestampdiff("200012312359", "200101010000"), 60);
    EXPECT_EQ(timestampadd("200012312359", 60), "200101010000");
    EXPECT_EQ(timestampadd("200101010000", -60), "200012312359");
    EXPECT_EQ(timestampdiff("200002280000", "200003010000"), 2 * 86400);  // leap day
    EXPECT_EQ(timestampdiff("199912310000", "200112310000"), (366 + 365) * 86400);
}

TEST(Timestamps, AddDropsSecondsAndWritesTheYearAsItIs) {
    EXPECT_EQ(timestampadd("200106150930", 59), "200106150930");
    EXPECT_EQ(timestampadd("200106150930", -119), "200106150929");
    EXPECT_EQ(timestampadd("999912312359", 60), "1000001010000");
}

TEST(Timestamps, MalformedTextsGiveBoundedResults) {
    EXPECT_EQ(timestampdiff("", ""), 0);
    EXPECT_EQ(timestampdiff("2001", "2001xx"), 0);
    EXPECT_FALSE(timestampadd("", INT64_MAX).empty());
    EXPECT_FALSE(timestampadd("999999999999", INT64_MIN).empty());
}

TEST(Timestamps, AddInvertsDiffForRandomPairs) {
    std::mt19937 random(1999);
    std::uniform_int_distribution<int> year(1896, 2104), month(1, 12), hour(0, 23), minute(0, 59);
    const auto make = [&] {
        const int y = year(random), m = month(random);
        const int d = std::uniform_int_distribution<int>(1, daysinmonth(m, y))(random);
        char text[16];
        std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d", y, m, d, hour(random),
                      minute(random));
        return std::string(text);
    };
    for (int i = 0; i < 2000; ++i) {
        const std::string t = make(), u = make();
        EXPECT_EQ(timestampadd(t, timestampdiff(t, u)), u) << t << " -> " << u;
    }
}

TEST(Timestamps, EveryMonthEndFrom1899To2101) {
    for (int y = 1899; y <= 2101; ++y) {
        for (int m = 1; m <= 12; ++m) {
            char last[16], first[16];
            std::snprintf(last, sizeof last, "%04d%02d%02d2359", y, m, daysinmonth(m, y));
            std::snprintf(first, sizeof first, "%04d%02d010000", m == 12 ? y + 1 : y,
                          m == 12 ? 1 : m + 1);
            ASSERT_EQ(timestampdiff(last, first), 60) << last;
            ASSERT_EQ(timestampadd(last, 60), first);
            ASSERT_EQ(timestampadd(first, -60), last);
        }
    }
}
