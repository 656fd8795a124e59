// A fixture for end-to-end tests: a simulated phone on a pseudo-terminal (or
// in infrared range) and the library connected to it with short ticks.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <algorithm>
#include <chrono>
#include <memory>

#include "phonelib/api/library.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "phonelib/transport/commportdriver.h"
#include "phonelib/transport/infraredlink.h"
#include "phonesim/simulator.h"
#include "tests/support/notificationrecorder.h"

namespace testing_support {

class SimulatedPhoneTest : public ::testing::Test {
  protected:
    // Every wait of the library counts ticks; 100 ms keeps the tests quick
    // and still leaves the simulator ample time to answer.
    static constexpr int kTickMs = 100;

    void SetUp() override { phonelib::setTickPeriod(kTickMs); }

    void TearDown() override {
        phonelib::lib().runJob([] {
            auto& library = phonelib::lib();
            library.serialPort().Close();
            library.infrared().Close();
            library.setHost(nullptr);
            library.restoreLoadState();
        });
        sim.reset();
    }

    // Starts a simulated phone of the model; returns its device path.
    std::string startPhone(const QString& modelCode, phonesim::LinkTiming timing = {}) {
        return startPhone(phonesim::Fixture::forModel(modelCode), timing);
    }
    std::string startPhone(const phonesim::Fixture& fixture, phonesim::LinkTiming timing = {}) {
        sim = std::make_unique<phonesim::Simulator>(fixture, timing);
        port = sim->startPty().toStdString();
        EXPECT_FALSE(port.empty()) << sim->errorString().toStdString();
        return port;
    }

    uint8_t connect(uint8_t kind = phonelib::ckFbusCable) {
        return phonelib::initport(&host, port, kind, 0);
    }

    static phonelib::LibraryState& state() { return phonelib::lib().state; }

    // Processes this thread's events (notifications) for a number of ticks.
    void runTicks(int ticks) {
        QDeadlineTimer deadline(ticks * kTickMs);
        while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    // Processes events until the host has received `count` notifications of
    // this kind (or the time is up, generously, for a loaded machine).
    bool waitForNotification(int message, long count = 1, int maxTicks = 100) {
        QDeadlineTimer deadline(maxTicks * kTickMs);
        for (;;) {
            const auto messages = host.messages();
            if (std::count(messages.begin(), messages.end(), message) >= count) return true;
            if (deadline.hasExpired()) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

    std::unique_ptr<phonesim::Simulator> sim;
    std::string port;
    NotificationRecorder host;
};

}  // namespace testing_support
