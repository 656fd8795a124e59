// The answers of the Nokia 61xx personality, byte for byte where a PC reads
// them.
#include <gtest/gtest.h>

#include "phonesim/nokia61xx/requests.h"
#include "tests/phonesim/pcside.h"

using namespace phonesim;
using namespace phonesim_test;

namespace {

std::string text(const Bytes& body, size_t from, size_t to) {
    return std::string(body.begin() + static_cast<long>(from),
                       body.begin() + static_cast<long>(to));
}

// The NUL-terminated string at a place of a body.
std::string cString(const Bytes& body, size_t at) {
    std::string s;
    while (at < body.size() && body[at] != 0) s.push_back(static_cast<char>(body[at++]));
    return at < body.size() ? s : "<no NUL>";
}

class Answers : public ::testing::Test {
  protected:
    Answers() : bench(Fixture::forModel(QStringLiteral("NHM-5"))) {}
    void switchExtendedCommandsOn() {
        ASSERT_EQ(bench.answerTo(0x40, {0x00, 0x01, 0x64, 0x01}),
                  (Message{0x40, {0x00, 0x01, 0x64, 0x01}}));
    }
    Bench bench;
};

}  // namespace

TEST_F(Answers, VersionTextFromByteFour) {
    // The keep-alive of the 7110 family ends its request in 01 instead of 00.
    for (const uint8_t last : {0x00, 0x01}) {
        const auto answer = bench.answerTo(0xD1, {0x00, 0x01, 0x00, 0x03, last});
        ASSERT_TRUE(answer);
        EXPECT_EQ(answer->type, 0xD2);
        const Bytes& d = answer->body;
        EXPECT_EQ(Bytes(d.begin(), d.begin() + 4), (Bytes{0x00, 0x01, 0x00, 0x03}));
        EXPECT_EQ(text(d, 4, d.size()), "V 06.10\n01-05-01\nNHM-5\n(c) NMP.");
    }
}

TEST_F(Answers, Identity64StringsAtFixedPlaces) {
    const auto answer = bench.answerTo(0x64, {0x00, 0x01, 0x00, 0x10});
    ASSERT_TRUE(answer);
    const Bytes& d = answer->body;
    ASSERT_EQ(d.size(), 54u);
    EXPECT_EQ(Bytes(d.begin(), d.begin() + 4), (Bytes{0x00, 0x01, 0x00, 0x11}));
    EXPECT_EQ(cString(d, 9), "350242001122336");
    EXPECT_EQ(cString(d, 25), "NHM-5");
    EXPECT_EQ(cString(d, 31), "0104118");
    EXPECT_EQ(cString(d, 39), "0750");
    EXPECT_EQ(cString(d, 44), "06.10");
    // Read one after another from byte 9, the strings are the same.
    EXPECT_EQ(cString(d, 9 + 16), cString(d, 25));
}

TEST_F(Answers, Identity64KeepsItsPlacesWithOddLengths) {
    bench.engine.fixture().identity.modelCode = QStringLiteral("RH-12345");
    bench.engine.fixture().identity.hardwareVersion = QStringLiteral("7");
    const auto answer = bench.answerTo(0x64, {0x00, 0x01, 0x00, 0x10});
    ASSERT_TRUE(answer);
    EXPECT_EQ(cString(answer->body, 25), "RH-12");  // cut to its place
    EXPECT_EQ(cString(answer->body, 31), "0104118");
    EXPECT_EQ(cString(answer->body, 39), "7");
    EXPECT_EQ(cString(answer->body, 44), "06.10");
}

TEST_F(Answers, ExtendedCommandsNeedSwitchingOn) {
    EXPECT_FALSE(bench.answerTo(0x40, {0x00, 0x01, 0x66}));
    switchExtendedCommandsOn();

    auto answer = bench.answerTo(0x40, {0x00, 0x01, 0x66});
    ASSERT_TRUE(answer);
    EXPECT_EQ(Bytes(answer->body.begin(), answer->body.begin() + 4),
              (Bytes{0x00, 0x01, 0x66, 0x00}));
    EXPECT_EQ(cString(answer->body, 4), "350242001122336");

    answer = bench.answerTo(0x40, {0x00, 0x01, 0xC8, 0x01});
    ASSERT_TRUE(answer);
    EXPECT_EQ(Bytes(answer->body.begin(), answer->body.begin() + 5),
              (Bytes{0x00, 0x01, 0xC8, 0x01, 0x00}));
    EXPECT_EQ(text(answer->body, 5, answer->body.size()), "V 06.10\n01-05-01\nNHM-5\n(c) NMP.");

    answer = bench.answerTo(0x40, {0x00, 0x01, 0xC8, 0x05});
    ASSERT_TRUE(answer);
    EXPECT_EQ(Bytes(answer->body.begin(), answer->body.begin() + 5),
              (Bytes{0x00, 0x01, 0xC8, 0x05, 0x00}));
    EXPECT_EQ(cString(answer->body, 5), "0750");

    answer = bench.answerTo(0x40, {0x00, 0x01, 0xCA, 0x01});
    ASSERT_TRUE(answer);
    EXPECT_EQ(Bytes(answer->body.begin(), answer->body.begin() + 5),
              (Bytes{0x00, 0x01, 0xCA, 0x01, 0x00}));
    EXPECT_EQ(cString(answer->body, 5), "0104118");

    // The buzzer: tone on, tone off.
    EXPECT_EQ(bench.answerTo(0x40, {0x00, 0x01, 0x8F, 0x06, 0x01, 0xB8}),
              (Message{0x40, {0x00, 0x01, 0x8F, 0x00}}));
    EXPECT_EQ(bench.answerTo(0x40, {0x00, 0x01, 0x8F, 0x00, 0x00, 0x00}),
              (Message{0x40, {0x00, 0x01, 0x8F, 0x00}}));

    // Unknown parameters and sub-commands get no answer.
    EXPECT_FALSE(bench.answerTo(0x40, {0x00, 0x01, 0xC8, 0x07}));
    EXPECT_FALSE(bench.answerTo(0x40, {0x00, 0x01, 0x77}));
    EXPECT_FALSE(bench.answerTo(0x40, {0x00}));

    // Switched off again, the phone stops answering them.
    EXPECT_EQ(bench.answerTo(0x40, {0x00, 0x01, 0x64, 0x00}),
              (Message{0x40, {0x00, 0x01, 0x64, 0x00}}));
    EXPECT_FALSE(bench.answerTo(0x40, {0x00, 0x01, 0x66}));
}

TEST_F(Answers, StatusLevelsAtFiveAndEight) {
    bench.engine.fixture().signal = 1;
    bench.engine.fixture().battery = 4;
    const auto answer = bench.answerTo(0x04, {0x00, 0x01, 0x00, 0x01});
    ASSERT_TRUE(answer);
    const Bytes& d = answer->body;
    ASSERT_EQ(d.size(), 9u);
    EXPECT_EQ(d[3], 0x02);
    EXPECT_EQ(d[5], 1);
    EXPECT_EQ(d[8], 4);
}

TEST_F(Answers, NetworkCellAreaAndSemiOctets) {
    auto answer = bench.answerTo(0x0A, {0x00, 0x01, 0x00, 0x70});
    ASSERT_TRUE(answer);
    const Bytes& d = answer->body;
    // Byte 7 counts the block of bytes 8 to 16; the name length (none) ends it.
    ASSERT_EQ(d.size(), 18u);
    EXPECT_EQ(d[3], 0x71);
    EXPECT_EQ(d[7], 9);
    EXPECT_EQ(Bytes(d.begin() + 10, d.end()),
              (Bytes{0x77, 0xE1, 0x0B, 0x1C, 0x62, 0xF2, 0x20, 0x00}));

    // A three-digit network code fills the F.
    bench.engine.fixture().network = {QStringLiteral("310"), QStringLiteral("260"), 0x0001, 0xFFFF};
    answer = bench.answerTo(0x0A, {0x00, 0x01, 0x00, 0x70});
    ASSERT_TRUE(answer);
    EXPECT_EQ(Bytes(answer->body.begin() + 10, answer->body.end()),
              (Bytes{0xFF, 0xFF, 0x00, 0x01, 0x13, 0x00, 0x62, 0x00}));
}

TEST_F(Answers, DisplayTextAsBigEndianCharacters) {
    bench.engine.sendDisplayText(QStringLiteral("Hallo ä"));
    const auto frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].type, 0x0D);
    const Bytes& d = frames[0].data;
    EXPECT_EQ(d[3], 0x50);
    EXPECT_EQ(d[7], 7);
    std::string low;
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(d[8 + 2 * i], 0x00);
        low.push_back(static_cast<char>(d[9 + 2 * i]));
    }
    EXPECT_EQ(low, "Hallo \xE4");
    EXPECT_EQ(nokia61xx::displayTextMessage(QString(300, QLatin1Char('x'))).body[7], 255);
}
