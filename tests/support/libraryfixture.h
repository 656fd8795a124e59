// A fixture that puts the loaded library back into its load-time state with
// a fake link and a notification recorder. The tick timer is stopped: tests
// advance the clock with tick().
#pragma once

#include <gtest/gtest.h>

#include "phonelib/api/library.h"
#include "tests/support/faketransport.h"
#include "tests/support/notificationrecorder.h"

namespace testing_support {

class LibraryFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        phonelib::lib().setTickPeriod(0);
        onLibraryThread([this] {
            auto& library = phonelib::lib();
            library.restoreLoadState();
            library.state.ConnectionKind = phonelib::ckFbusCable;
            library.state.FrameStartByte = phonelib::kCableStartByte;
            library.state.ModelId = 0;
            library.setTransport(&link);
            library.receiveWithFbus();
            library.setHost(&host);
        });
    }
    void TearDown() override {
        onLibraryThread([] {
            phonelib::lib().setTransport(nullptr);
            phonelib::lib().setHost(nullptr);
            phonelib::lib().restoreLoadState();
        });
        host.clear();
    }

    template <class F>
    static void onLibraryThread(F&& f) {
        ASSERT_TRUE(phonelib::lib().runJob(std::forward<F>(f)));
    }
    static void tick(int n = 1) {
        for (int i = 0; i < n; ++i) onLibraryThread([] { phonelib::lib().tick(); });
    }
    static phonelib::LibraryState& state() { return phonelib::lib().state; }
    static phonelib::DriverTable& table() { return phonelib::lib().table; }

    FakeTransport link;
    NotificationRecorder host;
};

}  // namespace testing_support
