// A phone that hangs up or falls silent in the middle of a long read: the
// read ends with "not connected", so do the calls after it, and a new
// set-up connects again. A single lost request ends nothing.
#include <atomic>
#include <functional>
#include <string_view>

#include "phonelib/api/notification.h"
#include "tests/phonelib/e2e/simulatedphone.h"
#include "tests/support/fullphonebook.h"

using namespace phonelib;
using testing_support::fullSimName;

namespace {

class LinkLoss : public testing_support::SimulatedPhoneTest {
  protected:
    void SetUp() override {
        SimulatedPhoneTest::SetUp();
        sim = std::make_unique<phonesim::Simulator>(testing_support::fullSimFixture());
        // On the simulator's thread, as the request comes in: before its answer.
        sim->setTrace([this](const char* direction, const phonesim::Message& m) {
            const bool read = m.type == 0x03 && m.body.size() > 5 && m.body[3] == 0x01;
            if (std::string_view(direction) == "PC" && read && m.body[5] == faultLocation) {
                fault(sim->faults());
            }
        });
        port = sim->startPty().toStdString();
        ASSERT_EQ(connect(), stDone);
    }

    // The fault starts when the phone is asked for this location.
    void faultAt(int location, std::function<void(phonesim::Faults&)> action) {
        fault = std::move(action);
        faultLocation = location;
    }

    struct Read {
        int location = 0;  // where it stopped; past the end when all were read
        uint8_t status = stDone;
        int failed = 0;  // locations that got no answer on the way
    };
    // Reads the SIM from location 1 on and stops at "not connected".
    Read readSim() {
        Read read;
        for (read.location = 1; read.location <= testing_support::kFullSimEntries;
             ++read.location) {
            TPhoneBookEntry entry;
            entry.memory = memSim;
            entry.location = read.location;
            read.status = ReadPhoneBookEntry(entry);
            if (read.status == stNotConnected) break;
            if (read.status != stDone) {
                ++read.failed;
                continue;
            }
            EXPECT_EQ(entry.name, fullSimName(read.location).toStdString());
        }
        return read;
    }
    long lostNotices() {
        const auto messages = host.messages();
        return std::count(messages.begin(), messages.end(), nfLinkLost);
    }
    bool portOpen() {
        bool open = false;
        lib().runJob([&] { open = lib().serialPort().IsOpen(); });
        return open;
    }
    // Every later call answers "not connected" at once, guarded or not.
    void expectNotConnected() {
        TPhoneInfo info;
        EXPECT_EQ(GetPhoneInfos(info), stNotConnected);
        GSMSMS message;
        EXPECT_EQ(GetSMS(0, 1, message), stNotConnected);
        EXPECT_FALSE(state().Connected);
        EXPECT_FALSE(portOpen());
    }
    void expectReadsAgain() {
        TPhoneBookEntry entry;
        entry.memory = memSim;
        entry.location = 250;
        ASSERT_EQ(ReadPhoneBookEntry(entry), stDone);
        EXPECT_EQ(entry.name, fullSimName(250).toStdString());
    }

    std::function<void(phonesim::Faults&)> fault;
    std::atomic<int> faultLocation{0};
};

TEST_F(LinkLoss, HangUpInTheMiddleOfARead) {
    faultAt(100, [](phonesim::Faults& faults) { faults.hangUp(); });
    const Read read = readSim();
    EXPECT_EQ(read.status, stNotConnected);
    EXPECT_GE(read.location, 100);
    EXPECT_LE(read.location, 101);  // the answer to 100 may have left before the line closed
    EXPECT_EQ(read.failed, 0);
    ASSERT_TRUE(waitForNotification(nfLinkLost));
    expectNotConnected();
    runTicks(3);
    EXPECT_EQ(lostNotices(), 1);

    sim->stop();
    port = sim->startPty().toStdString();
    ASSERT_EQ(connect(), stDone);
    expectReadsAgain();
}

TEST_F(LinkLoss, SilentPhoneInTheMiddleOfARead) {
    faultAt(100, [](phonesim::Faults& faults) { faults.silenceFor(std::chrono::minutes(10)); });
    const Read read = readSim();
    EXPECT_EQ(read.status, stNotConnected);
    // The request for 100 was acknowledged but not answered; 101 and 102
    // hear nothing, and neither does the probe after them.
    EXPECT_EQ(read.location, 102);
    EXPECT_EQ(read.failed, 2);
    ASSERT_TRUE(waitForNotification(nfLinkLost));
    expectNotConnected();
    EXPECT_EQ(lostNotices(), 1);

    sim->faults().silenceFor(std::chrono::milliseconds(0));
    ASSERT_EQ(connect(), stDone);  // the same port, opened again
    expectReadsAgain();
}

TEST_F(LinkLoss, ALostRequestAndDamagedFramesDoNotEndTheLink) {
    sim->faults().setCorruptEvery(25);  // the phone sends them again
    // Deaf for a moment: the request for 100 gets only its acknowledgement,
    // the one for 101 (sent two to three ticks later) hears nothing at all.
    faultAt(100, [](phonesim::Faults& faults) {
        faults.silenceFor(std::chrono::milliseconds(kTickMs * 7 / 2));
    });
    const Read read = readSim();
    EXPECT_EQ(read.status, stDone);
    EXPECT_GT(read.location, testing_support::kFullSimEntries);
    EXPECT_GE(read.failed, 1);
    EXPECT_LE(read.failed, 2);
    EXPECT_TRUE(state().Connected);
    EXPECT_EQ(lostNotices(), 0);
    EXPECT_GT(sim->counters().framesCorrupted, 0u);
}

}  // namespace
