#include "phonelib/frames/fbussender.h"

#include <gtest/gtest.h>

#include <numeric>

#include "tests/support/faketransport.h"
#include "tests/support/fbusframe.h"

using namespace phonelib;
using testing_support::FakeTransport;
using testing_support::splitFrames;

namespace {

class FbusSenderTest : public ::testing::Test {
  protected:
    FbusSenderTest() {
        state.ConnectionKind = ckFbusCable;
        state.FrameStartByte = kCableStartByte;
        sender.setTransport(&link);
    }
    static std::vector<uint8_t> bytes(size_t n) {
        std::vector<uint8_t> data(n);
        std::iota(data.begin(), data.end(), uint8_t{0});
        return data;
    }

    LibraryState state;
    FakeTransport link;
    FbusSender sender{state};
};

TEST_F(FbusSenderTest, IdentificationRequestByteForByte) {
    sender.SendFbusMessage(0xD1, {0x00, 0x01, 0x00, 0x03, 0x00});
    const std::vector<uint8_t> expected = {0x1E, 0x00, 0x0C, 0xD1, 0x00, 0x07, 0x00, 0x01,
                                           0x00, 0x03, 0x00, 0x01, 0x40, 0x00, 0x52, 0xD5};
    EXPECT_EQ(link.written(), expected);
    EXPECT_EQ(sender.sequenceCounter(), 1);
}

TEST_F(FbusSenderTest, SplitsAt120BytesWithFramesToGoAndSequence) {
    sender.SendFbusMessage(0x03, bytes(120));
    auto frames = splitFrames(link.take());
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].data.size(), 122u);

    sender.SendFbusMessage(0x03, bytes(121));
    frames = splitFrames(link.take());
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].data.size(), 122u);
    EXPECT_EQ(frames[0].data[120], 2);  // frames to go
    EXPECT_EQ(frames[0].data[121], 0x40 | 1);
    ASSERT_EQ(frames[1].data.size(), 3u);
    EXPECT_EQ(frames[1].data[0], 120);  // the 121st data byte
    EXPECT_EQ(frames[1].data[1], 1);
    EXPECT_EQ(frames[1].data[2], 2);
    for (const auto& f : frames) EXPECT_TRUE(f.checksumsOk);
}

TEST_F(FbusSenderTest, ThreeFramesHaveConsecutiveSequenceAcrossWrap) {
    for (int i = 0; i < 6; ++i) sender.SendFbusMessage(0x04, {0x00});  // counter now 6
    link.take();
    sender.SendFbusMessage(0x03, bytes(300));
    const auto frames = splitFrames(link.take());
    ASSERT_EQ(frames.size(), 3u);
    std::vector<uint8_t> sequences;
    for (const auto& f : frames) sequences.push_back(f.data.back());
    EXPECT_EQ(sequences, (std::vector<uint8_t>{0x40 | 6, 7, 0}));
    EXPECT_EQ(frames[0].data[120], 3);
    EXPECT_EQ(frames[1].data[120], 2);
    EXPECT_EQ(frames[2].data[60], 1);
    EXPECT_EQ(sender.sequenceCounter(), 1);
}

TEST_F(FbusSenderTest, AcknowledgementFrame) {
    sender.SendAck(0xD2, 0x03);
    const std::vector<uint8_t> expected = {0x1E, 0x00, 0x0C, 0x7F, 0x00,
                                           0x02, 0xD2, 0x03, 0xC0, 0x7E};
    EXPECT_EQ(link.written(), expected);
    EXPECT_EQ(sender.sequenceCounter(), 0);  // acknowledgements carry no sequence byte
}

TEST_F(FbusSenderTest, PhoNetSendsTheMessageUnchangedAndOnlyOnAnOpenLink) {
    state.ConnectionKind = ckFbusInfrared;
    state.FrameStartByte = kPhoNetStartByte;
    state.SocketOpen = true;
    sender.SendFbusMessage(0xD1, {0x00, 0x01, 0x00, 0x03, 0x00});
    const std::vector<uint8_t> expected = {0x14, 0x00, 0x0C, 0xD1, 0x00, 0x05,
                                           0x00, 0x01, 0x00, 0x03, 0x00};
    EXPECT_EQ(link.take(), expected);

    state.LinkLost = true;
    sender.SendFbusMessage(0xD1, {0x00});
    state.LinkLost = false;
    state.SocketOpen = false;
    sender.SendFbusMessage(0xD1, {0x00});
    EXPECT_TRUE(link.written().empty());
}

}  // namespace
