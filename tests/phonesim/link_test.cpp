// The phone's link layer on a pipe with a hand-moved clock: acknowledgements,
// resends, one frame in flight, requests it does not know.
#include <gtest/gtest.h>

#include "tests/phonesim/pcside.h"

using namespace phonesim;
using namespace phonesim_test;

namespace {

const Bytes kVersionRequest = {0x00, 0x01, 0x00, 0x03, 0x00};

}  // namespace

TEST(CableLink, AcknowledgesWhateverTheUpperSequenceBits) {
    Bench bench;
    // Some PCs set bit 5 as well as bit 6 in a first frame.
    for (const uint8_t sequence : {0x40, 0x60, 0x07, 0x2D}) {
        bench.feed(pcMessage(0xD1, kVersionRequest, sequence));
        const auto frames = bench.takeFrames();
        ASSERT_GE(frames.size(), 1u);
        EXPECT_EQ(frames[0].type, 0x7F);
        EXPECT_EQ(frames[0].destination, 0x0C);
        EXPECT_EQ(frames[0].source, 0x00);
        EXPECT_EQ(frames[0].data, (Bytes{0xD1, static_cast<uint8_t>(sequence & 0x0F)}));
        bench.feed(pcAck(0xD2, frames.back().data.back()));
    }
}

TEST(CableLink, NoAckForAcksOrDamagedFrames) {
    Bench bench;
    bench.feed(pcAck(0xD2, 0x03));
    EXPECT_TRUE(bench.takeFrames().empty());

    Bytes damaged = pcMessage(0xD1, kVersionRequest, 0x40);
    damaged[8] ^= 0x01;
    bench.feed(damaged);
    EXPECT_TRUE(bench.takeFrames().empty());
    const auto counters = bench.journal.snapshot().counters;
    EXPECT_EQ(counters.badChecksums, 1u);
    EXPECT_EQ(counters.framesReceived, 1u);  // the ack
    EXPECT_TRUE(bench.journal.snapshot().requests.empty());
}

TEST(CableLink, UnknownRequestsAreAcknowledgedAndNotAnswered) {
    Bench bench;
    // An accessory's authentication token: a real phone stays silent too.
    bench.feed(pcMessage(0x64, {0x00, 0x01, 0x00, 0x12, 0x4E, 0x4F}, 0x41));
    bench.feed(pcMessage(0x04, {0x00, 0x01, 0x00, 0x99}, 0x42));  // unknown sub-command
    bench.clock.advance(Millis(1000));
    const auto frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].data, (Bytes{0x64, 0x01}));
    EXPECT_EQ(frames[1].data, (Bytes{0x04, 0x02}));
    EXPECT_EQ(bench.journal.snapshot().requests.size(), 2u);
}

TEST(CableLink, ResendsUnacknowledgedFrameThenGivesUp) {
    Bench bench;  // 100 ms, 3 tries
    bench.feed(pcMessage(0xD1, kVersionRequest, 0x40));
    auto frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 2u);  // ack and answer
    const PhoneFrame answer = frames[1];
    EXPECT_EQ(answer.type, 0xD2);

    bench.clock.advance(Millis(99));
    EXPECT_TRUE(bench.takeFrames().empty());
    bench.clock.advance(Millis(1));
    frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].data, answer.data);  // the same frame, same sequence byte
    bench.clock.advance(Millis(100));
    EXPECT_EQ(bench.takeFrames().size(), 1u);
    bench.clock.advance(Millis(1000));
    EXPECT_TRUE(bench.takeFrames().empty());

    const auto counters = bench.journal.snapshot().counters;
    EXPECT_EQ(counters.framesSent, 1u);
    EXPECT_EQ(counters.resends, 2u);
    EXPECT_EQ(counters.framesGivenUp, 1u);
    EXPECT_EQ(bench.clock.pendingTimers(), 0u);
}

TEST(CableLink, TimingIsConfigurable) {
    Bench bench(Fixture::forModel(QStringLiteral("NSE-3")),
                EngineSettings{Framing::Cable, LinkTiming{Millis(20), 1}});
    bench.feed(pcMessage(0xD1, kVersionRequest, 0x40));
    EXPECT_EQ(bench.takeFrames().size(), 2u);
    bench.clock.advance(Millis(500));
    EXPECT_TRUE(bench.takeFrames().empty());
    EXPECT_EQ(bench.journal.snapshot().counters.framesGivenUp, 1u);
}

TEST(CableLink, OneFrameInFlightAndAcksMustMatch) {
    Bench bench;
    bench.feed(pcMessage(0xD1, kVersionRequest, 0x40));
    bench.feed(pcMessage(0x04, {0x00, 0x01, 0x00, 0x01}, 0x41));
    auto frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 3u);  // two acks, the first answer only
    EXPECT_EQ(frames[1].type, 0xD2);
    EXPECT_EQ(frames[2].type, 0x7F);

    // An ack for another type or sequence does not release the next frame.
    const uint8_t sequence = frames[1].data.back();
    bench.feed(pcAck(0x04, sequence));
    bench.feed(pcAck(0xD2, sequence + 1));
    EXPECT_TRUE(bench.takeFrames().empty());

    bench.feed(pcAck(0xD2, sequence));
    frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].type, 0x04);
    EXPECT_EQ(frames[0].data.back(), 0x40 | ((sequence + 1) & 0x07));
}

TEST(CableLink, MultiFrameRequestIsOneRequest) {
    Bench bench;
    Bytes first(120, 0x11);
    first.push_back(0x02);
    first.push_back(0x43);
    bench.feed(pcFrame(0x04, first));
    bench.feed(pcFrame(0x04, {0x00, 0x01, 0x04}));
    const auto frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 2u);  // two acks, no answer to this odd status request
    EXPECT_EQ(frames[0].data, (Bytes{0x04, 0x03}));
    EXPECT_EQ(frames[1].data, (Bytes{0x04, 0x04}));
    const auto requests = bench.journal.snapshot().requests;
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].body.size(), 121u);
}

TEST(CableLink, LongAnswerGoesOutFrameByFrame) {
    Fixture fixture = Fixture::forModel(QStringLiteral("NSE-3"));
    fixture.identity.copyright = QString(200, QLatin1Char('c'));  // version text over 120 bytes
    Bench bench(fixture);
    const auto answers = bench.ask(0xD1, kVersionRequest);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].body.size(), 4u + 23 + 200);
    EXPECT_EQ(bench.journal.snapshot().counters.framesSent, 2u);
    EXPECT_EQ(bench.journal.snapshot().counters.resends, 0u);
}

TEST(PhonetLink, MessagesTravelWholeWithoutAcks) {
    Bench bench(Fixture::forModel(QStringLiteral("NSE-3")), EngineSettings{Framing::Phonet, {}});
    bench.feed({0x14, 0x00, 0x0C, 0x04, 0x00, 0x04, 0x00, 0x01, 0x00, 0x01});
    const Bytes out = bench.pipe.takeOutput();
    EXPECT_EQ(out, (Bytes{0x14, 0x0C, 0x00, 0x04, 0x00, 0x09, 0x00, 0x01, 0x00, 0x02, 0x01, 0x04,
                          0x00, 0x02, 0x03}));
    // The PC's acknowledgements are taken silently; nothing is resent.
    bench.feed({0x14, 0x00, 0x0C, 0x7F, 0x00, 0x02, 0x04, 0x03});
    bench.clock.advance(Millis(1000));
    EXPECT_TRUE(bench.pipe.takeOutput().empty());
    EXPECT_EQ(bench.journal.snapshot().requests.size(), 1u);
}

TEST(Session, ANewPcStartsAFreshSession) {
    Bench bench;
    bench.feed(pcMessage(0xD1, kVersionRequest, 0x40));
    bench.takeFrames();  // answer left unacknowledged
    Bytes half = pcMessage(0x04, {0x00, 0x01, 0x00, 0x01}, 0x41);
    half.resize(5);
    bench.feed(half);

    bench.pipe.disconnectPeer();
    bench.clock.advance(Millis(1000));
    EXPECT_TRUE(bench.takeFrames().empty());  // no resends into the void
    EXPECT_TRUE(bench.journal.snapshot().preamble.empty());

    bench.feed({0x55, 0x55});
    bench.feed(pcMessage(0x04, {0x00, 0x01, 0x00, 0x01}, 0x42));
    const auto frames = bench.takeFrames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].type, 0x04);
    const auto record = bench.journal.snapshot();
    EXPECT_TRUE(record.preambleComplete);
    EXPECT_EQ(record.preamble.size(), 2u + 14);
}
