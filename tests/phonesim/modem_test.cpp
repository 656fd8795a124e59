// The DLR-3 cable: modem commands before FBUS, and what the phone records of
// them.
#include <gtest/gtest.h>

#include "phonesim/link/modemprelude.h"
#include "tests/phonesim/pcside.h"

using namespace phonesim;
using namespace phonesim_test;

namespace {

Bytes ascii(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

}  // namespace

TEST(Dlr3, SwitchesToFbusAfterTheAtCommands) {
    Bench bench;
    bench.feed(ascii("AT&F\r"));
    EXPECT_EQ(bench.pipe.takeOutput(), ascii("\r\nOK\r\n"));
    bench.feed(ascii("AT*NOKIAFBUS\r"));
    EXPECT_EQ(bench.pipe.takeOutput(), ascii("\r\nOK\r\n"));

    Bytes sequence(33, 0x55);
    const Bytes identify = pcMessage(0xD1, {0x00, 0x01, 0x00, 0x03, 0x00}, 0x40);
    sequence.insert(sequence.end(), identify.begin(), identify.end());
    bench.feed(sequence);
    Bytes rest;
    const auto frames = splitPhoneFrames(bench.pipe.takeOutput(), &rest);
    EXPECT_TRUE(rest.empty());
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].type, 0xD2);

    // The whole set-up as the phone heard it, up to its first frame.
    Bytes expected = ascii("AT&F\rAT*NOKIAFBUS\r");
    expected.insert(expected.end(), sequence.begin(), sequence.end());
    const auto record = bench.journal.snapshot();
    EXPECT_EQ(record.preamble, expected);
    EXPECT_TRUE(record.preambleComplete);

    // In FBUS mode command text is just noise.
    bench.feed(ascii("AT\r"));
    EXPECT_TRUE(bench.pipe.takeOutput().empty());
    EXPECT_EQ(bench.journal.snapshot().preamble, expected);
}

TEST(Dlr3, PlainFbusCableNeedsNoCommands) {
    Bench bench;
    bench.feed(pcMessage(0x04, {0x00, 0x01, 0x00, 0x01}, 0x40));
    EXPECT_EQ(bench.takeFrames().size(), 2u);
    bench.feed(ascii("AT&F\r"));
    EXPECT_TRUE(bench.pipe.takeOutput().empty());
}

TEST(Dlr3, ModemAnswersOnlyCommandLines) {
    ModemPrelude modem;
    const auto feed = [&](const std::string& s) {
        std::optional<std::string> reply;
        for (const char c : s) {
            if (auto r = modem.feed(static_cast<uint8_t>(c))) reply = r;
        }
        return reply;
    };
    EXPECT_EQ(feed("at&f\r"), "\r\nOK\r\n");
    EXPECT_EQ(feed("AT+CGMM\r"), "\r\nERROR\r\n");
    EXPECT_EQ(feed("\x1e\x00\r"), std::nullopt);  // not text
    EXPECT_EQ(feed("UUUU\r"), std::nullopt);
    EXPECT_FALSE(modem.inFbusMode());
    EXPECT_EQ(feed("AT*NOKIAFBUS\r"), "\r\nOK\r\n");
    EXPECT_TRUE(modem.inFbusMode());
}
