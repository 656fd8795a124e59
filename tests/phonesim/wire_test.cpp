// Phone-side framing: frames built byte for byte as a phone sends them, and
// frames from the PC read out of a noisy byte stream.
#include <gtest/gtest.h>

#include "phonesim/wire/cableframe.h"
#include "phonesim/wire/messagesplit.h"
#include "phonesim/wire/phonetframe.h"
#include "tests/phonesim/pcside.h"

using namespace phonesim;
using phonesim_test::Bytes;

namespace {

std::vector<CableFrame> deframe(CableDeframer& deframer, const Bytes& bytes) {
    std::vector<CableFrame> frames;
    for (const uint8_t b : bytes) {
        if (auto frame = deframer.feed(b)) frames.push_back(*frame);
    }
    return frames;
}

}  // namespace

TEST(CableFrame, OddLengthIsPaddedAndBothChecksumsFollow) {
    // Version answer head 00 01 00 03, frames-to-go 1, sequence 0x40: length 6.
    const Bytes data = {0x00, 0x01, 0x00, 0x03, 0x01, 0x40};
    // even: 1E^00^00^00^00^01 = 1F; odd: 0C^D2^06^01^03^40 = 9A
    EXPECT_EQ(buildCableFrame(0xD2, data), (Bytes{0x1E, 0x0C, 0x00, 0xD2, 0x00, 0x06, 0x00, 0x01,
                                                  0x00, 0x03, 0x01, 0x40, 0x1F, 0x9A}));

    // Length 7 gets one 00 before the checksums.
    const Bytes odd = {0x00, 0x01, 0x64, 0x01, 0x01, 0x41, 0x00};
    const Bytes frame = buildCableFrame(0x40, odd);
    ASSERT_EQ(frame.size(), 6u + 7 + 1 + 2);
    EXPECT_EQ(frame[13], 0x00);
    // even: 1E^00^00^64^01^00^00 = 7B; odd: 0C^40^07^01^01^41 = 0A (the padding counts)
    EXPECT_EQ(frame[14], 0x7B);
    EXPECT_EQ(frame[15], 0x0A);
}

TEST(CableFrame, AckCarriesTypeAndLowNibbleOfTheSequence) {
    // even: 1E^00^00^D1 = CF; odd: 0C^7F^02^00 = 71
    EXPECT_EQ(buildCableAck(0xD1, 0x60),
              (Bytes{0x1E, 0x0C, 0x00, 0x7F, 0x00, 0x02, 0xD1, 0x00, 0xCF, 0x71}));
    EXPECT_EQ(buildCableAck(0x40, 0x47)[7], 0x07);
}

TEST(CableFrame, DeframerSkipsPreambleAndChecksChecksums) {
    // The identification request of a PC after its 0x55 wake-up bytes.
    Bytes stream(300, 0x55);
    const Bytes request = {0x1E, 0x00, 0x0C, 0xD1, 0x00, 0x07, 0x00, 0x01,
                           0x00, 0x03, 0x00, 0x01, 0x40, 0x00, 0x52, 0xD5};
    stream.insert(stream.end(), request.begin(), request.end());
    CableDeframer deframer;
    auto frames = deframe(deframer, stream);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(frames[0].checksumsOk);
    EXPECT_EQ(frames[0].destination, 0x00);
    EXPECT_EQ(frames[0].source, 0x0C);
    EXPECT_EQ(frames[0].type, 0xD1);
    EXPECT_EQ(frames[0].data, (Bytes{0x00, 0x01, 0x00, 0x03, 0x00, 0x01, 0x40}));

    // Any single changed byte after the header is caught by one checksum.
    for (size_t at = 6; at < request.size(); ++at) {
        Bytes damaged = request;
        damaged[at] ^= 0x10;
        frames = deframe(deframer, damaged);
        ASSERT_EQ(frames.size(), 1u) << at;
        EXPECT_FALSE(frames[0].checksumsOk) << at;
    }
}

TEST(CableFrame, ImpossibleLengthMakesTheDeframerLookForTheNextStart) {
    CableDeframer deframer;
    Bytes stream = {0x1E, 0x00, 0x0C, 0xD1, 0x7F, 0xFF};  // 32767 bytes: not a frame
    const Bytes good = phonesim_test::pcMessage(0x04, {0x00, 0x01, 0x00, 0x01}, 0x41);
    stream.insert(stream.end(), good.begin(), good.end());
    const auto frames = deframe(deframer, stream);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].type, 0x04);
    EXPECT_TRUE(frames[0].checksumsOk);
}

TEST(MessageSplit, SplitsAt120BytesWithFramesToGoAndSequence) {
    SequenceCounter counter;
    const Bytes exact(120, 0xAA);
    auto blocks = splitMessage(exact, counter);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].size(), 122u);
    EXPECT_EQ(blocks[0][120], 1);
    EXPECT_EQ(blocks[0][121], 0x40);

    const Bytes longer(241, 0xBB);
    blocks = splitMessage(longer, counter);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].size(), 122u);
    EXPECT_EQ(blocks[1].size(), 122u);
    EXPECT_EQ(blocks[2].size(), 3u);  // one data byte, frames-to-go, sequence
    EXPECT_EQ(blocks[0][120], 3);
    EXPECT_EQ(blocks[1][120], 2);
    EXPECT_EQ(blocks[2][1], 1);
    // Bit 6 only in the first frame; the counter runs on from frame to frame.
    EXPECT_EQ(blocks[0][121], 0x41);
    EXPECT_EQ(blocks[1][121], 0x02);
    EXPECT_EQ(blocks[2][2], 0x03);

    // An empty body still makes one frame; the counter wraps after 7.
    for (int i = 0; i < 4; ++i) splitMessage({}, counter);
    blocks = splitMessage({}, counter);
    EXPECT_EQ(blocks[0], (Bytes{0x01, 0x40}));
}

TEST(MessageSplit, AssemblerJoinsFramesAndDropsAnAbandonedMessage) {
    MessageAssembler assembler;
    EXPECT_FALSE(assembler.add(0x03, Bytes{0x10, 0x11, 0x02, 0x40}));
    auto message = assembler.add(0x03, Bytes{0x12, 0x01, 0x01});
    ASSERT_TRUE(message);
    EXPECT_EQ(message->type, 0x03);
    EXPECT_EQ(message->body, (Bytes{0x10, 0x11, 0x12}));

    // A frame of another type in the middle starts over.
    EXPECT_FALSE(assembler.add(0x03, Bytes{0x20, 0x02, 0x42}));
    message = assembler.add(0x04, Bytes{0x30, 0x01, 0x43});
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, (Message{0x04, {0x30}}));

    // Frame data without frames-to-go and sequence is no message frame.
    EXPECT_FALSE(assembler.add(0x04, Bytes{0x01}));
}

TEST(PhonetFrame, NoPaddingChecksumsOrSequence) {
    const Bytes body = {0x00, 0x01, 0x00, 0x03, 0x56};
    EXPECT_EQ(buildPhonetFrame(0xD2, body),
              (Bytes{0x14, 0x0C, 0x00, 0xD2, 0x00, 0x05, 0x00, 0x01, 0x00, 0x03, 0x56}));

    PhonetDeframer deframer;
    const Bytes stream = {0x55, 0x14, 0x00, 0x0C, 0xD1, 0x00, 0x05, 0x00, 0x01, 0x00, 0x03, 0x00};
    std::vector<Message> messages;
    for (const uint8_t b : stream) {
        if (auto m = deframer.feed(b)) messages.push_back(*m);
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], (Message{0xD1, {0x00, 0x01, 0x00, 0x03, 0x00}}));
}
