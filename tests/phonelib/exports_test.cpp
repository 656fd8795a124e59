#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <thread>

#include "phonelib/api/notification.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "tests/support/libraryfixture.h"

using namespace phonelib;

namespace {

class ExportsTest : public testing_support::LibraryFixture {
  protected:
    void connect() { state().Connected = true; }
};

TEST_F(ExportsTest, GuardedExportsRefuseBeforeAConnection) {
    int calls = 0;
    onLibraryThread([&] {
        table().GetPhoneInfos = [&](TPhoneInfo&) { return ++calls, uint8_t{1}; };
        table().GetCapacity = [&](TCapacity&) { return ++calls, uint8_t{1}; };
    });
    TPhoneInfo info;
    info.modelCode = "unchanged";
    TCapacity capacity;
    capacity.free = 7;
    EXPECT_EQ(GetPhoneInfos(info), stNotConnected);
    EXPECT_EQ(GetCapacity(capacity), stNotConnected);
    EXPECT_EQ(SetDiverts(TDivert{}), stNotConnected);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(info.modelCode, "unchanged");
    EXPECT_EQ(capacity.free, 7);
    EXPECT_TRUE(link.written().empty());
}

TEST_F(ExportsTest, UnguardedExportsReachTheLoadTimeSlots) {
    TCalendarInfo info;
    EXPECT_EQ(getcalinfo(info), stDone);
    EXPECT_EQ(info.used, 0);
    EXPECT_EQ(info.maximum, 1500);
    TCalendarEntry entry;
    EXPECT_EQ(ReadCalendarEntry(entry, 1), stNotAvailable);  // empty slot
    EXPECT_EQ(writesms(1, 1, GSMSMS{}), stNotAvailable);
    EXPECT_TRUE(link.written().empty());
}

TEST_F(ExportsTest, EmptySlotsAnswerNotAvailableWhenConnected) {
    connect();
    TProfile profile;
    EXPECT_EQ(GetProfile(profile), stNotAvailable);
    TWap wap;
    EXPECT_EQ(GetWAPlink(wap), stNotAvailable);
}

TEST_F(ExportsTest, WrapperSetsBusyAroundTheDriverCall) {
    connect();
    setping(true);
    bool busyInside = false;
    onLibraryThread([&] {
        table().GetPhoneStatus = [&](TPhoneStatus&) {
            busyInside = lib().state.Busy;
            return uint8_t{1};
        };
    });
    TPhoneStatus status;
    EXPECT_EQ(GetPhoneStatus(status), stDone);
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(state().Busy);
}

TEST_F(ExportsTest, WriteWithoutNumbersGivesTheDriverOneEmptyNumber) {
    connect();
    TPhoneBookEntry seen;
    onLibraryThread([&] {
        table().WritePhoneBookEntry = [&](TPhoneBookEntry& e) {
            seen = e;
            e.name = "changed by the driver";
            return uint8_t{1};
        };
    });
    TPhoneBookEntry entry;
    entry.name = "Anna";
    EXPECT_EQ(WritePhoneBookEntry(entry), stDone);
    ASSERT_EQ(seen.numbers.size(), 1u);
    EXPECT_EQ(seen.numbers[0].number, "");
    EXPECT_EQ(seen.numbers[0].type, 0);
    EXPECT_EQ(entry.name, "Anna");
    EXPECT_TRUE(entry.numbers.empty());
}

TEST_F(ExportsTest, CapacityRetriesAndTotals) {
    connect();
    std::vector<uint8_t> answers;
    int calls = 0;
    int32_t freeReported = 0;
    onLibraryThread([&] {
        table().GetCapacity = [&](TCapacity& c) {
            EXPECT_EQ(c.used, 0);
            EXPECT_EQ(c.memory, memSim);
            c.used = 20;
            c.free = freeReported;
            return answers[calls++];
        };
    });
    TCapacity capacity;
    answers = {3, 3, 3};
    EXPECT_EQ(GetCapacity(capacity), stNoAnswer);
    EXPECT_EQ(calls, 3);

    calls = 0;
    answers = {3, 1};
    freeReported = 230;
    EXPECT_EQ(GetCapacity(capacity), stDone);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(capacity.total, 250);

    calls = 0;
    answers = {2};
    EXPECT_EQ(GetCapacity(capacity), stNotAvailable);
    EXPECT_EQ(calls, 1);

    calls = 0;
    answers = {1};
    freeReported = -1;  // the phone does not report free locations
    EXPECT_EQ(GetCapacity(capacity), stDone);
    EXPECT_EQ(capacity.free, -1);
    EXPECT_EQ(capacity.total, 0);
}

TEST_F(ExportsTest, SmsTextIsConvertedAroundTheDriver) {
    std::string sentText;
    onLibraryThread([&] {
        table().SendSMS = [&](GSMSMS& m, const std::string& part, int32_t index, int32_t count) {
            sentText = m.text;
            EXPECT_EQ(part, "01");
            EXPECT_EQ(index, 2);
            EXPECT_EQ(count, 3);
            return uint8_t{1};
        };
        table().GetSMS = [](uint8_t, int32_t, GSMSMS& m) {
            m.text = std::string("\x7B\x00", 2);  // GSM: a-umlaut, at sign
            return uint8_t{16};
        };
    });
    GSMSMS message;
    message.remoteNumber = "0170123";
    message.text = "\xE4@";
    EXPECT_EQ(SendSMS(message, 2, 3), stDone);
    EXPECT_EQ(sentText, std::string("\x7B\x00", 2));
    EXPECT_EQ(message.text, "\xE4@");
    // Brackets go as escape pairs, not as the letters their codes would be.
    message.text = "[x]";
    EXPECT_EQ(SendSMS(message, 2, 3), stDone);
    EXPECT_EQ(sentText, "\x1B\x3Cx\x1B\x3E");
    // A name in front of the number would go out as garbage digits.
    sentText.clear();
    message.remoteNumber = "Anna [0170123]";
    EXPECT_EQ(SendSMS(message, 2, 3), stBadNumber);
    EXPECT_TRUE(sentText.empty());
    message.remoteNumber = "0170123";
    message.text = "\xE4@";

    message.smartKind = skRingtone;
    EXPECT_EQ(SendSMS(message, 2, 3), stDone);
    EXPECT_EQ(sentText, "\xE4@");

    GSMSMS stored;
    EXPECT_EQ(GetSMS(0, 1, stored), 16);  // converted whatever the status
    EXPECT_EQ(stored.text, "\xE4@");
}

TEST_F(ExportsTest, SendbitmapGivesTheDriverTheSemiOctetNetworkCode) {
    connect();
    std::string seen;
    onLibraryThread([&] {
        table().Sendbitmap = [&](GSMBitmap& b) { return seen = b.networkCode, uint8_t{1}; };
    });
    GSMBitmap bitmap;
    bitmap.networkCode = "26201";
    EXPECT_EQ(Sendbitmap(bitmap), stDone);
    EXPECT_EQ(seen, "62F210");
    EXPECT_EQ(bitmap.networkCode, "26201");
}

TEST_F(ExportsTest, GroupNamesFromThePhoneOrTheDefaults) {
    connect();
    std::vector<int32_t> locations;
    onLibraryThread([&] {
        lib().state.ModelId = 14;
        table().ReadPhoneBookEntry = [&](TPhoneBookEntry& e) {
            EXPECT_EQ(e.memory, memCallerGroups);
            locations.push_back(e.location);
            if (e.location == 1) e.name = "Chefs";
            return uint8_t{1};
        };
    });
    EXPECT_EQ(DownloadGroupnames(), stDone);
    EXPECT_EQ(locations, (std::vector<int32_t>{0, 1, 2, 3, 4, 5}));
    std::string name;
    GetGroupname(1, name);
    EXPECT_EQ(name, "Chefs");
    GetGroupname(0, name);
    EXPECT_EQ(name, "Familie");
    GetGroupname(5, name);
    EXPECT_EQ(name, "Keine");

    onLibraryThread([] { lib().state.ModelId = 3; });
    EXPECT_EQ(DownloadGroupnames(), stNotAvailable);
    EXPECT_EQ(locations.size(), 6u);
}

TEST_F(ExportsTest, DetachedHostReceivesNothing) {
    testing_support::NotificationRecorder other;
    detachHost(&other);  // not the host: nothing changes
    onLibraryThread([] { lib().post(nfLinkUp); });
    EXPECT_EQ(host.messages(), std::vector<int>{nfLinkUp});
    detachHost(&host);
    onLibraryThread([] { lib().post(nfLinkLost); });
    EXPECT_EQ(host.messages(), std::vector<int>{nfLinkUp});
}

TEST_F(ExportsTest, ModelNameAndPing) {
    onLibraryThread([] { lib().state.ModelId = 17; });
    uint8_t model = 0;
    GetModelName(model);
    EXPECT_EQ(model, 17);
    setping(false);
    EXPECT_TRUE(state().Busy);
    setping(true);
    EXPECT_FALSE(state().Busy);
}

TEST_F(ExportsTest, SecondCallFromTheSameThreadIsRefusedWhileTheFirstRuns) {
    connect();
    int statusCalls = 0;
    onLibraryThread([&] {
        table().GetPhoneInfos = [](TPhoneInfo&) {
            QThread::msleep(200);
            return uint8_t{1};
        };
        table().GetPhoneStatus = [&](TPhoneStatus&) { return ++statusCalls, uint8_t{1}; };
    });
    uint8_t first = 0;
    uint8_t second = 0;
    QEventLoop outer;
    QTimer::singleShot(0, [&] {
        // Fires inside the first call's wait, like a click during a download.
        QTimer::singleShot(20, [&] {
            TPhoneStatus status;
            second = GetPhoneStatus(status);
        });
        TPhoneInfo info;
        first = GetPhoneInfos(info);
        outer.quit();
    });
    outer.exec();
    EXPECT_EQ(first, stDone);
    EXPECT_EQ(second, stCallInProgress);
    EXPECT_EQ(statusCalls, 0);
}

TEST_F(ExportsTest, CallsFromTwoThreadsAreSerialized) {
    connect();
    std::atomic<int> inside{0};
    std::atomic<int> overlaps{0};
    onLibraryThread([&] {
        table().GetPhoneStatus = [&](TPhoneStatus&) {
            if (++inside > 1) ++overlaps;
            // Like a driver waiting for the phone: events are processed meanwhile.
            lib().sleepScaled(5000);
            --inside;
            return uint8_t{1};
        };
    });
    lib().setTickPeriod(1);  // the sleep above lasts 5 ms
    auto worker = [] {
        for (int i = 0; i < 10; ++i) {
            TPhoneStatus status;
            EXPECT_EQ(GetPhoneStatus(status), stDone);
        }
    };
    std::thread a(worker);
    std::thread b(worker);
    a.join();
    b.join();
    EXPECT_EQ(overlaps, 0);
}

}  // namespace
