#include "corvina/connection/searchport.h"

#include <gtest/gtest.h>

#include <QSemaphore>
#include <QSignalSpy>
#include <mutex>

#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

// A port search whose initport answers from a script; the call that makes
// `stopAfter` calls stops the search from inside initport.
class PortSearchOrder : public ::testing::Test {
  protected:
    void start(int stopAfter) {
        stopAfter_ = stopAfter;
        SearchPort::Dependencies deps;
        deps.initport = [this](QObject*, const std::string& port, uint8_t kind, int32_t) {
            std::lock_guard lock(mutex_);
            calls_.push_back(QString::fromStdString(port) + "/" + QString::number(kind));
            if (static_cast<int>(calls_.size()) >= stopAfter_) search_->stop();
            return answer_ ? answer_(static_cast<int>(calls_.size())) : uint8_t{3};
        };
        deps.listPorts = [this] { return ports_; };
        deps.readSetup = [this] { return setup_; };
        deps.storeResult = [this](const QString& port, uint8_t kind) {
            std::lock_guard lock(mutex_);
            stored_.push_back(port + "/" + QString::number(kind));
        };
        deps.portOpenError = [](std::string&) { return phonelib::PortOpenError::None; };
        search_ = std::make_unique<SearchPort>(nullptr, std::move(deps));
        search_->setEmptyPassPause(1);
    }
    QStringList calls() {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    QStringList stored() {
        std::lock_guard lock(mutex_);
        return stored_;
    }
    void runToEnd() { ASSERT_TRUE(search_->wait(QDeadlineTimer(20000))); }

    QStringList ports_{"/dev/ttyS0", "/dev/ttyUSB0"};
    SearchSetup setup_;
    std::function<uint8_t(int)> answer_;
    std::unique_ptr<SearchPort> search_;
    int stopAfter_ = 0;
    std::mutex mutex_;
    QStringList calls_;
    QStringList stored_;
};

TEST_F(PortSearchOrder, AutomaticSearchGoesThroughEveryPortThenTheNextKind) {
    setup_ = {"", 0, 0};
    start(10);
    search_->setAutomatic(true);
    search_->resumeSearch();
    runToEnd();
    EXPECT_EQ(calls(), QStringList({"/dev/ttyS0/0", "/dev/ttyUSB0/0", "/dev/ttyS0/1",
                                    "/dev/ttyUSB0/1", "/dev/ttyS0/2", "/dev/ttyUSB0/2", "/3", "/4",
                                    "/dev/ttyS0/0", "/dev/ttyUSB0/0"}));
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(PortSearchOrder, AutomaticSearchStartsAtTheStoredPortAndKind) {
    ports_ = {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"};
    setup_ = {"/dev/ttyS1", 1, 0};
    start(4);
    search_->setAutomatic(true);
    search_->resumeSearch();
    runToEnd();
    EXPECT_EQ(calls(),
              QStringList({"/dev/ttyS1/1", "/dev/ttyUSB0/1", "/dev/ttyS0/1", "/dev/ttyS1/2"}));
}

TEST_F(PortSearchOrder, WithoutAutomaticSearchOnlyTheStoredPortAndKindAreTried) {
    setup_ = {"/dev/ttyUSB0", 2, 0};
    start(3);
    search_->resumeSearch();
    runToEnd();
    EXPECT_EQ(calls(), QStringList({"/dev/ttyUSB0/2", "/dev/ttyUSB0/2", "/dev/ttyUSB0/2"}));
}

TEST_F(PortSearchOrder, AStoredKindOutsideTheRangeStartsAtKindZero) {
    setup_ = {"/dev/ttyS0", 9, 0};
    start(1);
    search_->resumeSearch();
    runToEnd();
    EXPECT_EQ(calls(), QStringList({"/dev/ttyS0/0"}));
}

TEST_F(PortSearchOrder, ATypedDeviceThatNoEnumerationListsIsTriedFirst) {
    setup_ = {"/dev/pts/7", 1, 0};
    start(3);
    search_->setAutomatic(true);
    search_->resumeSearch();
    runToEnd();
    EXPECT_EQ(calls(), QStringList({"/dev/pts/7/1", "/dev/ttyS0/1", "/dev/ttyUSB0/1"}));
}

TEST_F(PortSearchOrder, WithoutPortsOnlyTheInfraredKindsAreTried) {
    ports_.clear();
    setup_ = {"", 0, 0};
    start(3);
    search_->setAutomatic(true);
    search_->resumeSearch();
    runToEnd();
    EXPECT_EQ(calls(), QStringList({"/3", "/4", "/3"}));
}

TEST_F(PortSearchOrder, ASuccessStoresPortAndKindAndWaitsUntilResumed) {
    setup_ = {"/dev/ttyUSB0", 1, 0};
    answer_ = [](int) { return uint8_t{1}; };
    start(1000);
    QSignalSpy found(search_.get(), &SearchPort::phoneFound);
    search_->setAutomatic(true);
    search_->resumeSearch();
    ASSERT_TRUE(waitFor([&] { return search_->waitingForResume(); }));
    EXPECT_EQ(calls(), QStringList({"/dev/ttyUSB0/1"}));
    EXPECT_EQ(stored(), QStringList({"/dev/ttyUSB0/1"}));
    EXPECT_FALSE(search_->automatic()) << "a success turns automatic searching off";
    ASSERT_TRUE(waitFor([&] { return found.size() == 1; }));

    search_->resumeSearch();
    ASSERT_TRUE(waitFor([&] { return calls().size() == 2 && search_->waitingForResume(); }));
    EXPECT_EQ(calls().last(), "/dev/ttyUSB0/1") << "a new pass on the port that answered";
    search_->stop();
    runToEnd();
}

TEST_F(PortSearchOrder, AnInfraredSuccessKeepsTheStoredCablePort) {
    setup_ = {"/dev/ttyUSB0", 4, 0};
    answer_ = [](int) { return uint8_t{1}; };
    start(1000);
    search_->resumeSearch();
    ASSERT_TRUE(waitFor([&] { return search_->waitingForResume(); }));
    EXPECT_EQ(calls(), QStringList({"/4"}));
    EXPECT_EQ(stored(), QStringList({"/dev/ttyUSB0/4"}));
    search_->stop();
    runToEnd();
}

TEST_F(PortSearchOrder, ShiftAtStartEndsThePassWithoutSearching) {
    setup_ = {"/dev/ttyS0", 1, 0};
    start(1);
    QSignalSpy passEnded(search_.get(), &SearchPort::searchPassEnded);
    search_->holdAtStart();
    search_->resumeSearch();
    ASSERT_TRUE(waitFor([&] { return search_->waitingForResume(); }));
    ASSERT_TRUE(waitFor([&] { return passEnded.size() == 1; }));
    EXPECT_TRUE(calls().isEmpty());

    search_->resumeSearch();
    runToEnd();
    EXPECT_EQ(calls(), QStringList({"/dev/ttyS0/1"}));
}

TEST_F(PortSearchOrder, StoppingDuringAnInitportEndsTheSearchWithoutStoringItsResult) {
    setup_ = {"/dev/ttyS0", 1, 0};
    QSemaphore entered;
    QSemaphore release;
    answer_ = [&](int) {
        entered.release();
        release.acquire();
        return uint8_t{1};
    };
    start(1000);
    QSignalSpy found(search_.get(), &SearchPort::phoneFound);
    search_->resumeSearch();
    ASSERT_TRUE(entered.tryAcquire(1, 20000));
    search_->stop();
    release.release();
    runToEnd();
    QCoreApplication::processEvents();
    EXPECT_EQ(calls().size(), 1);
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(found.size(), 0);
}

TEST_F(PortSearchOrder, StoppingWhileWaitingForResumeEndsTheThread) {
    answer_ = [](int) { return uint8_t{1}; };
    start(1000);
    search_->resumeSearch();
    ASSERT_TRUE(waitFor([&] { return search_->waitingForResume(); }));
    search_->stop();
    runToEnd();
    EXPECT_EQ(calls().size(), 1);
}

}  // namespace
}  // namespace corvina
