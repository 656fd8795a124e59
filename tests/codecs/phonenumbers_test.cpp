#include "codecs/tools/phonenumbers.h"

#include <gtest/gtest.h>

using namespace tools;

namespace {

struct Formatted {
    int type;
    std::string number;
};

Formatted format(std::string number) {
    const int type = formatnumber(number);
    return {type, number};
}

}  // namespace

TEST(FormatNumber, InternationalAndNational) {
    EXPECT_EQ(format("004917012345").type, 0);
    EXPECT_EQ(format("004917012345").number, "+4917012345");
    EXPECT_EQ(format("+4917012345").type, 0);
    EXPECT_EQ(format("+4917012345").number, "+4917012345");
    EXPECT_EQ(format("017012345").type, 1);
    EXPECT_EQ(format("017012345").number, "017012345");
    EXPECT_EQ(format("0").type, 1);
    EXPECT_EQ(format("+123").type, 0);
}

TEST(FormatNumber, RejectedNumbersStayUnchanged) {
    for (const std::string bad : {"", "*100#", "+", "00", "+-5", "0170 12345", "0170x", " 0170",
                                  "0170\n", "+9223372036854775808", "009223372036854775808"}) {
        const Formatted result = format(bad);
        EXPECT_EQ(result.type, -1) << bad;
        EXPECT_EQ(result.number, bad);
    }
    EXPECT_EQ(format("+9223372036854775807").type, 0);  // the largest int64 still fits
    EXPECT_EQ(format("9223372036854775807").type, 1);
}

TEST(MakeNetcode, Codes) {
    EXPECT_EQ(makenetcode("26201"), "62F210");
    EXPECT_EQ(makenetcode("2620"), "00F000");
    EXPECT_EQ(makenetcode(""), "00F000");
    EXPECT_EQ(makenetcode("310260"), "13F0F2");  // longer codes keep only their 4th digit
    std::string code = "26207";
    code = makenetcode(code);  // the library export converts a record's code in place
    EXPECT_EQ(code, "62F270");
}
