// WAP bookmark messages and answers.
#include <gtest/gtest.h>

#include "phonelib/api/status.h"
#include "phonelib/drivers/nokia7110/wap.h"

using namespace phonelib;
using namespace phonelib::nokia7110;

namespace {

using Bytes = std::vector<uint8_t>;

TEST(Nokia7110Wap, Requests) {
    EXPECT_EQ(wapOpenRequest(), (Request{0x3F, {0x00, 0x01, 0x01, 0x00}}));
    EXPECT_EQ(bookmarkReadRequest(14), (Request{0x3F, {0x00, 0x01, 0x01, 0x06, 0x00, 14}}));
    EXPECT_EQ(bookmarkClearRequest(15), (Request{0x3F, {0x00, 0x01, 0x01, 0x0C, 0x00, 15, 0x01}}));
    Request request;
    ASSERT_EQ(bookmarkWriteRequest("Ab", "w.de", request), stDone);
    EXPECT_EQ(request.body, (Bytes{0x00, 0x01, 0x01, 0x09, 0xFF, 0xFF, 2,   0, 'A', 0,   'b',
                                   4,    0,    'w',  0,    '.',  0,    'd', 0, 'e', 0x00}));
    EXPECT_EQ(request.body.size(), 9u + 2 * (2 + 4));
    EXPECT_EQ(bookmarkWriteRequest(std::string(256, 'n'), "l", request), stTooLong);
    EXPECT_EQ(bookmarkWriteRequest("n", std::string(256, 'l'), request), stTooLong);
}

Bytes bookmarkAnswer(const std::string& name, const std::string& link) {
    Bytes body = {0x00, 0x01, 0x01, 0x07, 0x00, 0x00, static_cast<uint8_t>(name.size())};
    for (const char c : name) body.insert(body.end(), {0x00, static_cast<uint8_t>(c)});
    body.push_back(static_cast<uint8_t>(link.size()));
    for (const char c : link) body.insert(body.end(), {0x00, static_cast<uint8_t>(c)});
    return body;
}

TEST(Nokia7110Wap, BookmarksAreAppended) {
    TWap wap;
    ASSERT_TRUE(decodeBookmark(bookmarkAnswer("Wetter", "wap.wetter.example"), wap));
    ASSERT_TRUE(decodeBookmark(bookmarkAnswer("", "x"), wap));
    EXPECT_EQ(wap.count, 2);
    EXPECT_EQ(wap.names[0], "Wetter");
    EXPECT_EQ(wap.links[0], "wap.wetter.example");
    EXPECT_EQ(wap.names[1], "");
    EXPECT_EQ(wap.links[1], "x");
}

TEST(Nokia7110Wap, DamagedAnswersAndAFullRecord) {
    TWap wap;
    Bytes answer = bookmarkAnswer("Name", "link");
    EXPECT_FALSE(decodeBookmark(Bytes(answer.begin(), answer.end() - 1), wap));
    EXPECT_FALSE(decodeBookmark(Bytes(answer.begin(), answer.begin() + 10), wap));
    EXPECT_FALSE(decodeBookmark(Bytes(answer.begin(), answer.begin() + 6), wap));
    EXPECT_EQ(wap.count, 0);

    wap.count = kWapLinks;
    EXPECT_FALSE(decodeBookmark(answer, wap));
    EXPECT_EQ(wap.count, kWapLinks);
}

}  // namespace
