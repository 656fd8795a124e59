// Each fault, on a pipe with a hand-moved clock.
#include <gtest/gtest.h>

#include "tests/phonesim/pcside.h"

using namespace phonesim;
using namespace phonesim_test;

namespace {

const Bytes kStatusRequest = {0x00, 0x01, 0x00, 0x01};

// Asks for the status and returns the frames of the first answer that had
// good checksums, acknowledging nothing else.
std::vector<PhoneFrame> answerFrames(Bench& bench, uint8_t sequence, Millis wait) {
    bench.feed(pcMessage(0x04, kStatusRequest, sequence));
    std::vector<PhoneFrame> frames;
    for (Millis t{0}; t <= wait; t += Millis(1)) {
        for (auto& f : bench.takeFrames()) {
            if (f.type == 0x7F) continue;
            frames.push_back(f);
            if (f.checksumsOk) {
                bench.feed(pcAck(f.type, f.data.back()));
                return frames;
            }
        }
        bench.clock.advance(Millis(1));
    }
    return frames;
}

}  // namespace

TEST(Faults, SilenceLosesEverythingThenEndsByItself) {
    Bench bench;
    bench.faults.silenceFor(Millis(2000));
    bench.feed(pcMessage(0x04, kStatusRequest, 0x40));
    EXPECT_TRUE(bench.pipe.takeOutput().empty());
    EXPECT_TRUE(bench.journal.snapshot().requests.empty());

    // Half a frame at the end of the silence is forgotten with it.
    Bytes half = pcMessage(0x04, kStatusRequest, 0x41);
    half.resize(8);
    bench.clock.advance(Millis(1999));
    bench.feed(half);
    bench.clock.advance(Millis(1));
    EXPECT_FALSE(bench.faults.silent());
    bench.feed(pcMessage(0x04, kStatusRequest, 0x42));
    const auto frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].data, (Bytes{0x04, 0x02}));
    EXPECT_EQ(bench.journal.snapshot().requests.size(), 1u);
}

TEST(Faults, SilenceSwallowsAnswersInFlight) {
    Bench bench;
    bench.feed(pcMessage(0x04, kStatusRequest, 0x40));
    bench.takeFrames();
    bench.faults.silenceFor(Millis(1000));
    bench.clock.advance(Millis(500));
    EXPECT_TRUE(bench.pipe.takeOutput().empty());
    EXPECT_EQ(bench.journal.snapshot().counters.framesGivenUp, 1u);
}

TEST(Faults, DropEveryNthAnswerFrameIsRepairedByTheResend) {
    Bench bench;
    bench.faults.setDropEvery(2);
    EXPECT_EQ(answerFrames(bench, 0x40, Millis(1000)).size(), 1u);  // frame 1 goes out
    const auto frames =
        answerFrames(bench, 0x41, Millis(1000));  // frame 2 dropped, 3 is the resend
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(frames[0].checksumsOk);
    const auto counters = bench.journal.snapshot().counters;
    EXPECT_EQ(counters.framesDropped, 1u);
    EXPECT_EQ(counters.resends, 1u);
}

TEST(Faults, CorruptEveryNthFailsTheChecksumsAndTheResendRepairsIt) {
    Bench bench;
    bench.faults.setCorruptEvery(2);
    EXPECT_EQ(answerFrames(bench, 0x40, Millis(1000)).size(), 1u);
    const auto frames = answerFrames(bench, 0x41, Millis(1000));
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_FALSE(frames[0].checksumsOk);
    EXPECT_EQ(frames[0].type, 0x04);  // the header is left whole
    EXPECT_EQ(frames[0].data.size(), frames[1].data.size());
    EXPECT_TRUE(frames[1].checksumsOk);
    EXPECT_EQ(frames[1].data,
              (Bytes{0x00, 0x01, 0x00, 0x02, 0x01, 0x04, 0x00, 0x02, 0x03, 0x01, 0x41}));
    EXPECT_EQ(bench.journal.snapshot().counters.framesCorrupted, 1u);

    Bench always;
    always.faults.setCorruptEvery(1);
    const auto tries = answerFrames(always, 0x40, Millis(1000));
    EXPECT_EQ(tries.size(), 3u);
    for (const auto& f : tries) EXPECT_FALSE(f.checksumsOk);
    EXPECT_EQ(always.journal.snapshot().counters.framesGivenUp, 1u);
}

TEST(Faults, RandomCorruptionFollowsTheSeed) {
    const auto run = [](uint32_t seed) {
        Bench bench;
        bench.faults.setSeed(seed);
        bench.faults.setCorruptionRate(0.3);
        std::vector<bool> damaged;
        for (int i = 0; i < 40; ++i) {
            for (const auto& f :
                 answerFrames(bench, static_cast<uint8_t>(0x40 | (i & 7)), Millis(1000))) {
                damaged.push_back(!f.checksumsOk);
            }
        }
        return damaged;
    };
    const auto first = run(7);
    EXPECT_EQ(first, run(7));
    const auto bad = std::count(first.begin(), first.end(), true);
    EXPECT_GT(bad, 0);
    EXPECT_LT(bad, static_cast<long>(first.size()));
}

TEST(Faults, ChunkingCutsTheOutputButKeepsItsOrder) {
    Bench plain;
    plain.feed(pcMessage(0xD1, {0x00, 0x01, 0x00, 0x03, 0x00}, 0x40));
    const Bytes whole = plain.pipe.takeOutput();

    Bench bench;
    bench.faults.setChunking(3);
    bench.feed(pcMessage(0xD1, {0x00, 0x01, 0x00, 0x03, 0x00}, 0x40));
    bench.clock.advance(Millis(50));  // 1 ms between pieces, well before the resend
    EXPECT_EQ(bench.pipe.takeOutput(), whole);
    const auto sizes = bench.pipe.takeWriteSizes();
    EXPECT_GT(sizes.size(), whole.size() / 3);
    for (const size_t size : sizes) EXPECT_LE(size, 3u);
}

TEST(Faults, AnswerDelay) {
    Bench bench;
    bench.faults.setAnswerDelay(Millis(250));
    bench.feed(pcMessage(0x04, kStatusRequest, 0x40));
    EXPECT_EQ(bench.takeFrames().size(), 1u);  // the ack comes at once
    bench.clock.advance(Millis(249));
    EXPECT_TRUE(bench.takeFrames().empty());
    bench.clock.advance(Millis(1));
    const auto frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].type, 0x04);
}

TEST(Faults, HangUpClosesTheLink) {
    Bench bench;
    bench.faults.setAnswerDelay(Millis(50));
    bench.feed(pcMessage(0x04, kStatusRequest, 0x40));
    bench.takeFrames();
    bench.faults.hangUp();
    EXPECT_FALSE(bench.pipe.isOpen());
    bench.clock.advance(Millis(1000));
    EXPECT_EQ(bench.clock.pendingTimers(), 0u);
}

TEST(Faults, AnswersQueuedAfterASilenceSurviveTheNextInput) {
    Bench bench;
    bench.faults.silenceFor(Millis(100));
    bench.feed({0x1E, 0x00});  // lost, and leaves nothing half-read behind
    bench.clock.advance(Millis(100));
    bench.engine.sendDisplayText(QStringLiteral("x"));
    bench.feed(pcMessage(0x04, kStatusRequest, 0x40));
    const auto frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 2u);  // the display text in flight, the ack
    EXPECT_EQ(frames[0].type, 0x0D);
    EXPECT_EQ(frames[1].type, 0x7F);
    bench.feed(pcAck(0x0D, frames[0].data.back()));
    const auto next = bench.takeFrames();
    ASSERT_EQ(next.size(), 1u);
    EXPECT_EQ(next[0].type, 0x04);
}
