// The link watch inside the reply wait: requests of a connected phone that
// hear nothing, the probe, and the end of the link that follows.
#include "phonelib/api/linkwatch.h"

#include <QTimer>

#include "phonelib/api/keepalive.h"
#include "phonelib/api/notification.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "tests/support/fbusframe.h"
#include "tests/support/libraryfixture.h"

using namespace phonelib;
using testing_support::phoneFrame;
using testing_support::splitFrames;

namespace {

enum class Phone { Silent, AcknowledgesOnly, Answers };

class LinkWatchTest : public testing_support::LibraryFixture {
  protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        lib().setTickPeriod(5);  // real waits, a few milliseconds each
        onLibraryThread([this] {
            lib().startTick();
            state().Connected = true;
            state().Busy = false;
            table().Dispatch = [](uint8_t type) {
                if (type == 0x03) state().ReplyState = 1;
            };
            // A phonebook read as the drivers do it: request, then the wait.
            table().ReadPhoneBookEntry = [this](TPhoneBookEntry&) {
                state().ReplyState = 0;
                lib().frames.SendFbusMessage(0x03, {0x00, 0x01, 0x00, 0x01, 0x03, 0x01, 0x00});
                if (phone != Phone::Silent) arrive(phoneFrame(0x7F, {0x03, 0x00}));
                // A new sequence number each time, or it would be taken for a repeat.
                const uint8_t sequence = 0x40 | (answers++ % 8);
                if (phone == Phone::Answers) arrive(phoneFrame(0x03, {0x00, 0x02, 0x01, sequence}));
                return lib().waitForReply(3);
            };
            table().KeepAliveProbe = [this] {
                keepalive::pingNokia61xx();
                if (probeAnswered) arrive(phoneFrame(0x7F, {0xD1, 0x00}));
            };
            table().KeepAlive = [this] { ++keepAliveCycles; };
            table().getcalinfo = [this](TCalendarInfo&) {
                ++calendarCalls;
                return uint8_t{stDone};
            };
        });
    }
    void TearDown() override {
        lib().setTickPeriod(0);
        LibraryFixture::TearDown();
    }

    // Bytes that reach the library while it waits, as from the phone.
    static void arrive(std::vector<uint8_t> bytes) {
        QTimer::singleShot(0, [bytes] { lib().receive(bytes.data(), bytes.size()); });
    }
    uint8_t read(Phone how) {
        phone = how;
        TPhoneBookEntry entry;
        return ReadPhoneBookEntry(entry);
    }
    std::vector<uint8_t> sentTypes() {
        std::vector<uint8_t> types;
        for (const auto& frame : splitFrames(link.take())) {
            if (frame.type != 0x7F) types.push_back(frame.type);
        }
        return types;
    }
    long lostNotices() {
        const auto messages = host.messages();
        return std::count(messages.begin(), messages.end(), nfLinkLost);
    }

    Phone phone = Phone::Silent;
    bool probeAnswered = false;
    uint8_t answers = 0;
    int keepAliveCycles = 0;
    int calendarCalls = 0;
};

TEST_F(LinkWatchTest, TwoSilentRequestsAndASilentProbeEndTheLink) {
    EXPECT_EQ(read(Phone::Silent), stNoAnswer);
    EXPECT_EQ(sentTypes(), (std::vector<uint8_t>{0x03}));
    EXPECT_TRUE(state().Connected);

    // The second silent request probes once; the probe hears nothing either.
    EXPECT_EQ(read(Phone::Silent), stNotConnected);
    EXPECT_EQ(sentTypes(), (std::vector<uint8_t>{0x03, 0xD1}));
    EXPECT_FALSE(state().Connected);
    EXPECT_TRUE(state().LinkLost);
    EXPECT_EQ(lostNotices(), 1);

    // From now on every export answers at once and sends nothing, the
    // unguarded ones too; the keep-alive rests until the next set-up.
    const int cycles = keepAliveCycles;
    EXPECT_EQ(read(Phone::Answers), stNotConnected);
    TCalendarInfo info;
    EXPECT_EQ(getcalinfo(info), stNotConnected);
    EXPECT_EQ(calendarCalls, 0);
    tick(3);
    EXPECT_EQ(keepAliveCycles, cycles);
    EXPECT_TRUE(link.take().empty());
    EXPECT_EQ(lostNotices(), 1);
}

TEST_F(LinkWatchTest, AnythingHeardFromThePhoneKeepsTheLink) {
    // An acknowledgement or an answer between silent requests starts the count again.
    for (const Phone how :
         {Phone::Silent, Phone::AcknowledgesOnly, Phone::Silent, Phone::Answers, Phone::Silent}) {
        EXPECT_EQ(read(how), how == Phone::Answers ? stDone : stNoAnswer);
    }
    EXPECT_EQ(sentTypes(), std::vector<uint8_t>(5, 0x03));

    // A probe that is answered keeps it too.
    probeAnswered = true;
    EXPECT_EQ(read(Phone::Silent), stNoAnswer);
    EXPECT_EQ(sentTypes(), (std::vector<uint8_t>{0x03, 0xD1}));
    EXPECT_TRUE(state().Connected);
    EXPECT_EQ(read(Phone::Answers), stDone);
    EXPECT_EQ(lostNotices(), 0);

    // An idle loss announced by the keep-alive is not announced twice.
    probeAnswered = false;
    onLibraryThread([] { keepalive::declareLinkLost(); });
    EXPECT_EQ(read(Phone::Silent), stNoAnswer);
    EXPECT_EQ(read(Phone::Silent), stNotConnected);
    EXPECT_EQ(lostNotices(), 1);
}

TEST(LinkWatch, CountsOnlyRequestsInARowThatHeardNothing) {
    LinkWatch watch;
    EXPECT_FALSE(watch.requestEnded(false, watch.heardCount()));
    watch.heard();
    EXPECT_FALSE(watch.requestEnded(false, watch.heardCount() - 1));  // heard an acknowledgement
    EXPECT_FALSE(watch.requestEnded(false, watch.heardCount()));
    EXPECT_TRUE(watch.requestEnded(false, watch.heardCount()));
    EXPECT_FALSE(watch.requestEnded(false, watch.heardCount()));  // counting again after a probe
    EXPECT_FALSE(watch.requestEnded(true, watch.heardCount()));
    EXPECT_FALSE(watch.requestEnded(false, watch.heardCount()));
    watch.end();
    EXPECT_TRUE(watch.ended());
    watch.restart();
    EXPECT_FALSE(watch.ended());
    EXPECT_FALSE(watch.requestEnded(false, watch.heardCount()));
}

}  // namespace
