// Call divert messages and answers.
#include <gtest/gtest.h>

#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia61xx/diverts.h"

using namespace phonelib;
using namespace phonelib::nokia;

namespace {

using Bytes = std::vector<uint8_t>;

TDivert divert(uint8_t callClass, uint8_t reason, const std::string& number = {}) {
    TDivert d;
    d.callClass = callClass;
    d.reason = reason;
    d.number = number;
    d.active = number.empty() ? 0 : 1;
    return d;
}

TEST(Nokia61xxDiverts, ServiceCodes) {
    const auto codes = divertCodes(divert(1, 2));
    ASSERT_TRUE(codes);
    EXPECT_EQ(codes->reason, 0x3E);
    EXPECT_EQ(codes->callClass, 0x19);
    EXPECT_EQ(divertQuery(*codes),
              (Request{0x06, {0x00, 0x01, 0x00, 0x01, 0x05, 0x00, 0x3E, 0x19, 0x00}}));
    EXPECT_FALSE(divertCodes(divert(3, 0)));
    EXPECT_FALSE(divertCodes(divert(0, 4)));
}

TEST(Nokia61xxDiverts, EraseIsNineBytes) {
    const TDivert off = divert(2, 3);
    Request request;
    ASSERT_EQ(divertWrite(off, *divertCodes(off), request), stDone);
    EXPECT_EQ(request.body, (Bytes{0x00, 0x01, 0x00, 0x01, 0x04, 0x00, 0x3D, 0x0D, 0x00}));
}

TEST(Nokia61xxDiverts, RegisterCarriesNumberTypeDigitsAndDelay) {
    TDivert on = divert(0, 3, "+4930123");
    on.delay = 20;
    Request request;
    ASSERT_EQ(divertWrite(on, *divertCodes(on), request), stDone);
    const Bytes& body = request.body;
    ASSERT_EQ(body.size(), 53u);
    EXPECT_EQ(Bytes(body.begin(), body.begin() + 10),
              (Bytes{0x00, 0x01, 0x00, 0x01, 0x03, 0x00, 0x3D, 0x0B, 0x01, 0x91}));
    EXPECT_EQ(Bytes(body.begin() + 10, body.begin() + 15), (Bytes{0x94, 0x03, 0x21, 0xF3, 0x00}));
    EXPECT_EQ(body[29], 5);
    EXPECT_EQ(body[52], 20);

    on.number = "0049301234";  // "00" counts as international
    ASSERT_EQ(divertWrite(on, *divertCodes(on), request), stDone);
    EXPECT_EQ(request.body[9], 0x91);
    on.number = "0301234";
    ASSERT_EQ(divertWrite(on, *divertCodes(on), request), stDone);
    EXPECT_EQ(request.body[9], 0x81);

    on.number = std::string(38, '1');
    EXPECT_EQ(divertWrite(on, *divertCodes(on), request), stDone);
    on.number = std::string(39, '1');
    EXPECT_EQ(divertWrite(on, *divertCodes(on), request), stTooLong);
}

Bytes answer(uint8_t reason, uint8_t callClass, uint8_t state, uint8_t type, Bytes number,
             uint8_t delay) {
    Bytes body(46, 0x00);
    body[1] = 0x01;
    body[3] = 0x02;
    body[6] = reason;
    body[8] = callClass;
    body[9] = state;
    body[13] = type;
    std::copy(number.begin(), number.end(), body.begin() + 14);
    body[22] = static_cast<uint8_t>(number.size() + 1);
    body[45] = delay;
    return body;
}

TEST(Nokia61xxDiverts, ActiveAnswer) {
    TDivert d;
    ASSERT_TRUE(decodeDivert(answer(0x3D, 0x10, 0x02, 0x91, {0x94, 0x71, 0xF7}, 25), d));
    EXPECT_EQ(d.reason, 3);
    EXPECT_EQ(d.callClass, 1);  // data answers as 10
    EXPECT_EQ(d.active, 1);
    EXPECT_EQ(d.number, "+49177");
    EXPECT_EQ(d.delay, 25);
}

TEST(Nokia61xxDiverts, InactiveAndDamagedAnswers) {
    TDivert d;
    d.number = "old";
    ASSERT_TRUE(decodeDivert(answer(0x15, 0x0B, 0x02, 0x81, {}, 0), d));
    EXPECT_EQ(d.active, 0);  // count byte 01: no number
    EXPECT_EQ(d.number, "");

    Bytes zeroCount = answer(0x43, 0x0D, 0x02, 0x81, {}, 0);
    zeroCount[22] = 0x00;
    ASSERT_TRUE(decodeDivert(zeroCount, d));
    EXPECT_EQ(d.active, 0);
    EXPECT_EQ(d.reason, 1);
    EXPECT_EQ(d.callClass, 2);

    // A count reaching past the body gives no number; the delay needs byte 45.
    Bytes cut = answer(0x15, 0x0B, 0x02, 0x81, {0x21, 0x43}, 9);
    cut[22] = 200;
    cut.resize(30);
    d.delay = 7;
    ASSERT_TRUE(decodeDivert(cut, d));
    EXPECT_EQ(d.number, "");
    EXPECT_EQ(d.delay, 7);
    EXPECT_FALSE(decodeDivert(Bytes(cut.begin(), cut.begin() + 22), d));

    // Codes the table does not know leave reason and class as they were.
    d.reason = 2;
    d.callClass = 2;
    ASSERT_TRUE(decodeDivert(answer(0x99, 0x19, 0x01, 0x81, {}, 0), d));
    EXPECT_EQ(d.reason, 2);
    EXPECT_EQ(d.callClass, 2);
}

}  // namespace
