#include <gtest/gtest.h>

#include <cstring>

#include "phonelib/drivers/nokia61xx/replies.h"
#include "phonelib/drivers/replytable.h"

using namespace phonelib;
using namespace phonelib::nokia;

namespace {

std::vector<uint8_t> bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> b;
    for (int v : values) b.push_back(static_cast<uint8_t>(v));
    return b;
}

std::vector<uint8_t> withText(std::vector<uint8_t> head, const std::string& text) {
    head.insert(head.end(), text.begin(), text.end());
    return head;
}

TEST(Nokia61xxReplies, VersionText) {
    const auto full = withText(bytes({0x01, 0x00, 0xC9, 0x00}), "V 5.24\n15-02-00\nNSE-3\n(c) NMP.");
    const auto text = decodeVersionText(full);
    EXPECT_EQ(text.softwareVersion, "V 5.24");
    EXPECT_EQ(text.modelCode, "NSE-3");

    // No line feed after the model code: it comes back empty.
    const auto cut = withText(bytes({0x01, 0x00, 0xC9, 0x00}), "V 5.24\n15-02-00\nNSE-3");
    EXPECT_EQ(decodeVersionText(cut).modelCode, "");
    EXPECT_EQ(decodeVersionText(cut).softwareVersion, "V 5.24");

    EXPECT_EQ(decodeVersionText(bytes({0x01, 0x00})).softwareVersion, "");
    EXPECT_EQ(decodeVersionText(withText(bytes({0, 0, 0, 0}), "V 5.24")).softwareVersion, "");
}

TEST(Nokia61xxReplies, Identity64) {
    auto body = bytes({0x01, 0x08, 0x00, 0x11, 0x00, 0x00, 0x00, 0x00, 0x00});
    for (const char* s : {"490154203237518", "NSE-3", "0501234", "0501", "5.24"}) {
        body.insert(body.end(), s, s + std::strlen(s) + 1);
    }
    const auto identity = decodeIdentity64(body);
    EXPECT_EQ(identity.imei, "490154203237518");
    EXPECT_EQ(identity.modelCode, "NSE-3");
    EXPECT_EQ(identity.productionData, "0501234");
    EXPECT_EQ(identity.hardwareVersion, "0501");

    // Cut in the middle of the model code: the rest comes back empty.
    body.resize(9 + 16 + 3);
    const auto cut = decodeIdentity64(body);
    EXPECT_EQ(cut.imei, "490154203237518");
    EXPECT_EQ(cut.modelCode, "");
    EXPECT_EQ(cut.hardwareVersion, "");
}

TEST(Nokia61xxReplies, PhoneStatus) {
    const auto status = decodePhoneStatus(bytes({0x01, 0x08, 0x00, 0x02, 0x01, 0x03, 0x01, 0x00, 0x04}));
    ASSERT_TRUE(status);
    EXPECT_EQ(status->signal, 3);
    EXPECT_EQ(status->battery, 4);
    EXPECT_FALSE(decodePhoneStatus(bytes({0x01, 0x08, 0x00, 0x02, 0x01, 0x03, 0x01, 0x00})));
}

TEST(Nokia61xxReplies, Network) {
    TNetWorkInfo info;
    const auto body = bytes({0x01, 0x08, 0x00, 0x71, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00,  //
                             0x1A, 0x2B, 0x3C, 0x4D, 0x62, 0xF2, 0x10});
    ASSERT_TRUE(decodeNetwork(body, info));
    EXPECT_EQ(info.networkOperator.countryCode, 262);
    EXPECT_EQ(info.networkOperator.networkNumber, 1);
    EXPECT_EQ(info.areaCode, "3C4D");
    EXPECT_EQ(info.cellId, "1A2B");

    // Digits that do not convert keep the previous numbers.
    auto garbled = body;
    garbled[14] = 0xAB;
    garbled[16] = 0xFF;
    ASSERT_TRUE(decodeNetwork(garbled, info));
    EXPECT_EQ(info.networkOperator.countryCode, 262);
    EXPECT_EQ(info.networkOperator.networkNumber, 1);

    TNetWorkInfo untouched;
    untouched.areaCode = "keep";
    EXPECT_FALSE(decodeNetwork({body.data(), 16}, untouched));
    EXPECT_EQ(untouched.areaCode, "keep");
}

TEST(Nokia61xxReplies, OperatorNames) {
    TOperator op;
    op.countryCode = 262;
    op.networkNumber = 1;
    nameOperator(op);
    EXPECT_EQ(op.networkCode, "26201");
    EXPECT_FALSE(op.operatorName.empty());

    op.countryCode = 999;
    op.networkNumber = 7;
    nameOperator(op);
    EXPECT_EQ(op.networkCode, "99907");
    EXPECT_EQ(op.operatorName, "");
}

TEST(ReplyTable, FirstMatchingRowAndShortBodies) {
    static std::vector<int> called;
    called.clear();
    static constexpr ReplyRow rows[] = {
        {0x03, 3, 0x02, [](std::span<const uint8_t>) { called.push_back(1); }},
        {0x03, 3, kAnySubCode, [](std::span<const uint8_t>) { called.push_back(2); }},
        {0x0A, 0, kAnySubCode, [](std::span<const uint8_t>) { called.push_back(3); }},
    };
    dispatchReply(rows, 0x03, bytes({0, 1, 0, 2}));
    dispatchReply(rows, 0x03, bytes({0, 1, 0, 5}));
    dispatchReply(rows, 0x03, bytes({0, 1}));  // too short for the sub-code: falls to the any-row
    dispatchReply(rows, 0x0A, {});
    dispatchReply(rows, 0x55, bytes({0, 1, 0, 2}));
    EXPECT_EQ(called, (std::vector<int>{1, 2, 2, 3}));
}

}  // namespace
