#include "phonelib/frames/fbusassembler.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/support/fbusframe.h"

using namespace phonelib;
using testing_support::phoneFrame;
using testing_support::phoneMessage;

namespace {

struct Dispatched {
    uint8_t type;
    std::vector<uint8_t> data;
};

class FbusAssemblerTest : public ::testing::Test {
  protected:
    FbusAssemblerTest() {
        state.ConnectionKind = ckFbusCable;
        state.FrameStartByte = kCableStartByte;
    }

    void feed(const std::vector<uint8_t>& bytes) {
        assembler.OnReceiveData(bytes.data(), bytes.size());
    }

    static std::vector<uint8_t> payload(size_t n, uint8_t seed = 0) {
        std::vector<uint8_t> data(n);
        for (size_t i = 0; i < n; ++i) data[i] = static_cast<uint8_t>(seed + i * 7);
        return data;
    }

    // The message body as the driver sees it: data, frames-to-go, sequence.
    static std::vector<uint8_t> body(const std::vector<uint8_t>& data, uint8_t lastSequence) {
        auto b = data;
        b.push_back(1);
        b.push_back(lastSequence);
        return b;
    }

    LibraryState state;
    ReceiveBuffer buffer;
    std::vector<std::pair<uint8_t, uint8_t>> acks;
    std::vector<Dispatched> dispatched;
    FbusAssembler assembler{state, buffer,
                            [this](uint8_t type, uint8_t seq) { acks.emplace_back(type, seq); },
                            [this](uint8_t type) {
                                const auto b = buffer.body();
                                dispatched.push_back({type, {b.begin(), b.end()}});
                            }};
};

TEST_F(FbusAssemblerTest, SingleFrameIsAcknowledgedAndDispatched) {
    feed({0x55, 0x00, 0x12, 0x1F});  // garbage before the start byte
    feed(phoneMessage(0xD2, {0x01, 0x02, 0x03}, 5));
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].type, 0xD2);
    EXPECT_EQ(dispatched[0].data, body({0x01, 0x02, 0x03}, 0x45));
    EXPECT_EQ(buffer.destination, 0x0C);
    EXPECT_EQ(buffer.source, 0x00);
    ASSERT_EQ(acks.size(), 1u);
    EXPECT_EQ(acks[0], std::make_pair(uint8_t{0xD2}, uint8_t{5}));
}

TEST_F(FbusAssemblerTest, AcknowledgementsAreDispatchedButNotAcknowledged) {
    feed(phoneFrame(0x7F, {0xD1, 0x00}));
    EXPECT_TRUE(acks.empty());
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].type, 0x7F);
}

TEST_F(FbusAssemblerTest, MultiFrameMessageIsJoinedIntoOneDispatch) {
    const auto data = payload(250);
    feed(phoneMessage(0x03, data, 2));
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].data, body(data, 4));
    EXPECT_EQ(acks.size(), 3u);
}

TEST_F(FbusAssemblerTest, OddLengthFramesInsideAMessage) {
    // Frames of 61 and 62 data bytes: the padding follows each frame's own length.
    const auto data = payload(121);
    feed(phoneMessage(0x14, data, 0, 59));
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].data, body(data, 2));
    EXPECT_EQ(assembler.badChecksumFrames(), 0u);
}

TEST_F(FbusAssemblerTest, AnotherTypeAbandonsAPartialMessage) {
    const auto first = phoneMessage(0x03, payload(200), 0);
    feed({first.begin(), first.begin() + 6 + 122 + 2});  // first frame only
    feed(phoneMessage(0x0A, {0x09, 0x08}, 2));
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].type, 0x0A);
    EXPECT_EQ(dispatched[0].data, body({0x09, 0x08}, 0x42));
}

TEST_F(FbusAssemblerTest, BadChecksumsAreRejectedAndTheResentFrameTaken) {
    auto frame = phoneMessage(0xD2, {0x10, 0x20}, 1);
    auto corrupt = frame;
    corrupt[7] ^= 0x04;
    feed(corrupt);
    EXPECT_TRUE(dispatched.empty());
    EXPECT_TRUE(acks.empty());
    EXPECT_EQ(assembler.badChecksumFrames(), 1u);
    feed(frame);
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].data, body({0x10, 0x20}, 0x41));
}

TEST_F(FbusAssemblerTest, BadContinuationFrameIsResentWithoutCorruptingTheMessage) {
    const auto data = payload(300, 3);
    const auto message = phoneMessage(0x03, data, 0);
    const size_t firstFrame = 6 + 122 + 2;
    const std::vector<uint8_t> frame1(message.begin(), message.begin() + firstFrame);
    const std::vector<uint8_t> frame2(message.begin() + firstFrame,
                                      message.begin() + 2 * firstFrame);
    const std::vector<uint8_t> frame3(message.begin() + 2 * firstFrame, message.end());
    auto bad2 = frame2;
    bad2[50] ^= 0xFF;
    feed(frame1);
    feed(bad2);
    feed(frame2);
    feed(frame3);
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].data, body(data, 2));
}

TEST_F(FbusAssemblerTest, RepeatedFrameIsAcknowledgedAgainButStoredOnce) {
    const auto data = payload(200, 9);
    const auto message = phoneMessage(0x03, data, 3);
    const size_t firstFrame = 6 + 122 + 2;
    const std::vector<uint8_t> frame1(message.begin(), message.begin() + firstFrame);
    const std::vector<uint8_t> frame2(message.begin() + firstFrame, message.end());
    feed(frame1);
    feed(frame1);  // our acknowledgement got lost
    feed(frame2);
    feed(frame2);
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].data, body(data, 4));
    EXPECT_EQ(acks.size(), 4u);
    EXPECT_EQ(assembler.repeatedFrames(), 2u);
}

TEST_F(FbusAssemblerTest, OversizeMessageIsDroppedAndTheNextOneTaken) {
    feed(phoneMessage(0x03, payload(3600), 0));
    EXPECT_TRUE(dispatched.empty());
    EXPECT_EQ(assembler.oversizeMessages(), 1u);
    feed(phoneMessage(0xD2, {0x33}, 6));
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].type, 0xD2);
}

TEST_F(FbusAssemblerTest, ShortCableFramesAreIgnored) {
    feed(phoneFrame(0x04, {}));
    feed(phoneFrame(0x04, {0x40}));
    EXPECT_TRUE(dispatched.empty());
    EXPECT_TRUE(acks.empty());
    feed(phoneMessage(0x04, {0x01}, 0));
    EXPECT_EQ(dispatched.size(), 1u);
}

TEST_F(FbusAssemblerTest, ByteByByteAndRandomChunksGiveTheSameMessages) {
    std::vector<uint8_t> stream;
    std::vector<std::vector<uint8_t>> expected;
    for (uint8_t i = 0; i < 12; ++i) {
        const auto data = payload(10 + i * 37, i);
        const auto message = phoneMessage(static_cast<uint8_t>(0x03 + i % 3), data, i);
        stream.insert(stream.end(), message.begin(), message.end());
        const size_t frames = (data.size() + 119) / 120;
        expected.push_back(
            body(data, static_cast<uint8_t>(((i + frames - 1) & 7) | (frames == 1 ? 0x40 : 0))));
    }
    for (const uint8_t b : stream) feed({b});
    ASSERT_EQ(dispatched.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(dispatched[i].data, expected[i]);

    dispatched.clear();
    std::mt19937 random(42);
    for (size_t pos = 0; pos < stream.size();) {
        const size_t n = std::min<size_t>(stream.size() - pos, 1 + random() % 40);
        feed(
            {stream.begin() + static_cast<long>(pos), stream.begin() + static_cast<long>(pos + n)});
        pos += n;
    }
    ASSERT_EQ(dispatched.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(dispatched[i].data, expected[i]);
}

TEST_F(FbusAssemblerTest, PhoNetFramesCarryNoChecksums) {
    state.ConnectionKind = ckFbusInfrared;
    state.FrameStartByte = kPhoNetStartByte;
    // An empty chunk (a poll after the phone closed its end) inside a
    // frame changes nothing.
    feed({0x14, 0x0C, 0x00, 0xD2, 0x00});
    feed({});
    feed({0x04, 0xAA, 0xBB, 0x01, 0x47});
    ASSERT_EQ(dispatched.size(), 1u);
    EXPECT_EQ(dispatched[0].data, (std::vector<uint8_t>{0xAA, 0xBB, 0x01, 0x47}));
    ASSERT_EQ(acks.size(), 1u);
    EXPECT_EQ(acks[0].second, 7);
}

}  // namespace
