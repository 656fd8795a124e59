#include "phonelib/api/keepalive.h"

#include "phonelib/api/notification.h"
#include "phonelib/api/phonelib.h"
#include "tests/support/fbusframe.h"
#include "tests/support/libraryfixture.h"

using namespace phonelib;
using testing_support::splitFrames;

namespace {

class KeepAliveTest : public testing_support::LibraryFixture {
  protected:
    // One keep-alive cycle; answered says whether the phone replied since the last one.
    void cycle(bool answered) {
        if (answered) state().ReplyState = 1;
        tick();
    }
    std::vector<uint8_t> sentTypes() {
        std::vector<uint8_t> types;
        for (const auto& f : splitFrames(link.take())) types.push_back(f.type);
        return types;
    }
};

TEST_F(KeepAliveTest, Nokia61xxDeclaresLossOnTheThirdUnansweredCycle) {
    setping(true);
    cycle(true);
    EXPECT_EQ(host.messages(), (std::vector<int>{nfLinkUp, nfKeepAliveCycle}));
    EXPECT_EQ(sentTypes(), (std::vector<uint8_t>{0xD1, 0x04}));
    host.clear();

    cycle(false);
    cycle(false);
    EXPECT_EQ(host.messages(), (std::vector<int>{nfKeepAliveCycle, nfKeepAliveCycle}));
    EXPECT_TRUE(state().LinkUp);
    host.clear();

    cycle(false);
    EXPECT_EQ(host.messages(), (std::vector<int>{nfLinkLost, nfKeepAliveCycle}));
    cycle(false);
    EXPECT_EQ(host.messages(), (std::vector<int>{nfLinkLost, nfKeepAliveCycle, nfKeepAliveCycle}));
    host.clear();

    cycle(true);
    cycle(true);
    EXPECT_EQ(host.messages(), (std::vector<int>{nfLinkUp, nfKeepAliveCycle, nfKeepAliveCycle}));
}

TEST_F(KeepAliveTest, Nokia61xxMissesAccumulateWhileTheLinkIsUp) {
    setping(true);
    cycle(true);
    cycle(false);
    cycle(true);  // does not reset the count
    cycle(false);
    host.clear();
    cycle(false);
    EXPECT_EQ(host.messages(), (std::vector<int>{nfLinkLost, nfKeepAliveCycle}));
}

TEST_F(KeepAliveTest, BusyOrSetpingFalseSilencesNokia61xxAndAt) {
    setping(false);
    cycle(false);
    cycle(false);
    cycle(false);
    cycle(false);
    EXPECT_TRUE(host.messages().empty());
    EXPECT_TRUE(link.written().empty());

    onLibraryThread([] { lib().table.KeepAlive = keepalive::siemensAt; });
    cycle(false);
    EXPECT_TRUE(host.messages().empty());
    EXPECT_TRUE(link.written().empty());
}

TEST_F(KeepAliveTest, Nokia7110PingsWhileBusyButJudgesOnlyWhenIdle) {
    onLibraryThread([] { lib().table.KeepAlive = keepalive::nokia7110; });
    setping(false);
    cycle(false);
    EXPECT_EQ(host.messages(), (std::vector<int>{nfKeepAliveCycle}));
    const auto frames = splitFrames(link.take());
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].type, 0xD1);
    EXPECT_EQ(frames[0].data[4], 0x01);
    host.clear();

    setping(true);
    cycle(false);  // one unanswered cycle is enough
    EXPECT_EQ(host.messages(), (std::vector<int>{nfLinkLost, nfKeepAliveCycle}));
    host.clear();
    cycle(false);
    cycle(true);
    EXPECT_EQ(host.messages(), (std::vector<int>{nfKeepAliveCycle, nfLinkUp, nfKeepAliveCycle}));
}

TEST_F(KeepAliveTest, SiemensAtAsksForTheModel) {
    onLibraryThread([] { lib().table.KeepAlive = keepalive::siemensAt; });
    setping(true);
    cycle(true);
    const auto sent = link.take();
    EXPECT_EQ(std::string(sent.begin(), sent.end()), "AT+CGMM\r");
    cycle(false);
    EXPECT_EQ(host.messages(),
              (std::vector<int>{nfLinkUp, nfKeepAliveCycle, nfLinkLost, nfKeepAliveCycle}));
}

TEST_F(KeepAliveTest, TickAdvancesTheCounterBeforeTheKeepAlive) {
    int32_t seen = -1;
    onLibraryThread([&] {
        lib().state.TickCount = 5;
        lib().table.KeepAlive = [&] { seen = lib().state.TickCount; };
    });
    tick();
    EXPECT_EQ(seen, 6);
}

}  // namespace
