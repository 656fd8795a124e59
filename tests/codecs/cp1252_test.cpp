#include "codecs/tools/cp1252.h"

#include <gtest/gtest.h>

using namespace tools;

TEST(Cp1252, BothDirections) {
    EXPECT_EQ(fromCp1252("\x80 \xE4\xF6\xFC\xDF"), QString::fromUtf8("€ äöüß"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("€ äöüß")), "\x80 \xE4\xF6\xFC\xDF");
    EXPECT_EQ(toCp1252(QString::fromUtf8("Ωx?")), "?x?");
    std::string all;
    for (int i = 0x20; i < 256; ++i) {
        // 0x81, 0x8D, 0x8F, 0x90, 0x9D are not assigned in Windows-1252.
        if (i == 0x81 || i == 0x8D || i == 0x8F || i == 0x90 || i == 0x9D) continue;
        all.push_back(static_cast<char>(i));
    }
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}
