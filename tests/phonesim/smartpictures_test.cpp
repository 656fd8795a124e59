// The simulator reads the pictures of the smart messages it is sent.
#include "phonesim/nokia61xx/smartpictures.h"

#include <gtest/gtest.h>

namespace phonesim::nokia61xx {
namespace {

ReceivedMessage message(int port, const QByteArray& hex) {
    ReceivedMessage m;
    m.port = port;
    m.data = QByteArray::fromHex(hex);
    return m;
}

TEST(SmartPictures, OperatorLogoGroupLogoAndPictureMessage) {
    // 16 x 2, first row black.
    const QByteArray bitmap =
        "001002"
        "01"
        "FFFF0000";
    const auto logo = readSmartPicture(message(0x1582, "62F210" + bitmap));
    ASSERT_TRUE(logo.has_value());
    EXPECT_EQ(logo->networkCode, "26201");
    EXPECT_EQ(logo->picture.width, 16);
    EXPECT_TRUE(logo->picture.black(15, 0));
    EXPECT_FALSE(logo->picture.black(0, 1));

    const auto group = readSmartPicture(message(0x1583, bitmap));
    ASSERT_TRUE(group.has_value());
    EXPECT_EQ(group->picture, logo->picture);

    // Text item, then the bitmap item whose length is larger than what follows.
    const auto picture = readSmartPicture(message(0x158A,
                                                  "30"
                                                  "000003"
                                                  "486921"
                                                  "020100" +
                                                      bitmap));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->text, "Hi!");
    EXPECT_EQ(picture->picture, logo->picture);
}

TEST(SmartPictures, ShortOrForeignDataGiveNothing) {
    EXPECT_FALSE(readSmartPicture(message(0x1582, "62F2")).has_value());
    EXPECT_FALSE(readSmartPicture(message(0x1583, "00100201FF")).has_value()) << "rows missing";
    EXPECT_FALSE(readSmartPicture(message(0x1583, "0010020201FFFF")).has_value()) << "depth 2";
    EXPECT_FALSE(readSmartPicture(message(0x158A, "31000000")).has_value()) << "version";
    EXPECT_FALSE(readSmartPicture(message(0x158A, "30000001")).has_value()) << "no picture";
    EXPECT_FALSE(readSmartPicture(message(0x1581, "024A3A")).has_value()) << "a ringtone";
}

}  // namespace
}  // namespace phonesim::nokia61xx
