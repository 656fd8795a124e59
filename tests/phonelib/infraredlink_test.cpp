// The infrared link against plain listening sockets in a private runtime
// folder: which device is found, how the poll reads, when sends are dropped.
#include "phonelib/transport/infraredlink.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <memory>
#include <vector>

#include "phonelib/api/status.h"
#include "phonelib/transport/infrareddevices.h"
#include "tests/support/privateruntime.h"

using namespace phonelib;

namespace {

class InfraredLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(runtime.infraredFolder()));
        ASSERT_TRUE(QFile::setPermissions(runtime.infraredFolder(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        link.setOnReceiveData(
            [this](const uint8_t* data, size_t size) { chunks.emplace_back(data, data + size); });
    }

    // A device in range offering one service.
    QLocalServer& offer(const QString& device, const char* service = kPhoNetService) {
        const QString folder = runtime.infraredFolder() + "/" + device;
        EXPECT_TRUE(QDir().mkpath(folder));
        servers.push_back(std::make_unique<QLocalServer>());
        EXPECT_TRUE(servers.back()->listen(folder + "/" + service));
        return *servers.back();
    }

    // The phone's end of the connection the link made: the latest one, after
    // the one that looked for devices in range.
    std::unique_ptr<QLocalSocket> phoneEnd(QLocalServer& server) {
        std::unique_ptr<QLocalSocket> socket;
        for (int wait = 5000; server.waitForNewConnection(wait); wait = 100) {
            while (QLocalSocket* next = server.nextPendingConnection()) {
                socket.reset(next);
                socket->setParent(nullptr);
            }
        }
        EXPECT_TRUE(socket);
        return socket;
    }

    void open(uint8_t kind = ckFbusInfrared) {
        ASSERT_EQ(link.OpenInfrared(kind, true), stDone);
        ASSERT_TRUE(state.SocketOpen);
    }

    testing_support::PrivateRuntime runtime;
    std::vector<std::unique_ptr<QLocalServer>> servers;
    LibraryState state;
    InfraredLink link{state};
    std::vector<std::vector<uint8_t>> chunks;
};

TEST_F(InfraredLinkTest, DevicesInRangeInAStableOrderAndTheFirstIsUsed) {
    offer("b");
    QLocalServer& first = offer("a");
    offer("c", kIrCommService);
    // A socket left behind by a phone that is gone is not in range.
    ASSERT_TRUE(QDir().mkpath(runtime.infraredFolder() + "/0"));
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(runtime.infraredFolder() + "/0/Nokia:PhoNet");
        std::copy(path.begin(), path.end(), address.sun_path);
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    const InfraredScan scan = scanInfrared();
    EXPECT_EQ(scan.devices, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(scan.refusal.empty());

    open();
    EXPECT_EQ(link.deviceId(), "a");
    const auto phone = phoneEnd(first);
    const uint8_t hello[] = {0x14, 0x00, 0x0C, 0xD1};
    EXPECT_EQ(link.write(hello, sizeof hello), 4);
    ASSERT_TRUE(phone->waitForReadyRead(5000));
    EXPECT_EQ(phone->readAll(), QByteArray("\x14\x00\x0C\xD1", 4));

    // A named device is taken instead; one out of range is not found.
    EXPECT_EQ(link.OpenInfrared(ckFbusInfrared, true, "b"), stDone);
    EXPECT_EQ(link.deviceId(), "b");
    EXPECT_EQ(link.OpenInfrared(ckFbusInfrared, true, "0"), stNoAnswer);
    EXPECT_EQ(link.lastOpenError(), PortOpenError::NotFound);
    // Device c offers AT commands only: the PhoNet connection is refused.
    EXPECT_EQ(link.OpenInfrared(ckFbusInfrared, true, "c"), stNoAnswer);
    EXPECT_EQ(link.lastOpenError(), PortOpenError::None);
    EXPECT_EQ(link.OpenInfrared(ckAtInfrared, true, "c"), stDone);
}

TEST_F(InfraredLinkTest, NoDeviceInRange) {
    EXPECT_EQ(link.OpenInfrared(ckAtInfrared, true), stNoAnswer);
    EXPECT_FALSE(state.SocketOpen);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.lastOpenError(), PortOpenError::NotFound);

    ASSERT_TRUE(QDir(runtime.infraredFolder()).removeRecursively());
    EXPECT_EQ(link.OpenInfrared(ckFbusInfrared, true), stNoAnswer);
    EXPECT_EQ(link.lastOpenError(), PortOpenError::NotFound);
}

TEST_F(InfraredLinkTest, AFolderOthersMayEnterIsNotSearched) {
    offer("1");
    ASSERT_TRUE(QFile::setPermissions(runtime.infraredFolder(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
    EXPECT_EQ(link.OpenInfrared(ckFbusInfrared, true), stNoAnswer);
    EXPECT_EQ(link.lastOpenError(), PortOpenError::Other);
    EXPECT_NE(link.lastOpenErrorText().find("open to others"), std::string::npos)
        << link.lastOpenErrorText();

    // Nor a link to a folder elsewhere.
    const QString elsewhere = runtime.path() + "/elsewhere";
    ASSERT_TRUE(QDir(runtime.infraredFolder()).rename(runtime.infraredFolder(), elsewhere));
    ASSERT_TRUE(
        QFile::setPermissions(elsewhere, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    ASSERT_TRUE(QFile::link(elsewhere, runtime.infraredFolder()));
    EXPECT_EQ(link.OpenInfrared(ckFbusInfrared, true), stNoAnswer);
    EXPECT_NE(link.lastOpenErrorText().find("not a folder"), std::string::npos)
        << link.lastOpenErrorText();
}

TEST_F(InfraredLinkTest, APollReadsAtMost3000Bytes) {
    auto& server = offer("1");
    open();
    const auto phone = phoneEnd(server);
    phone->write(QByteArray(7000, 'x'));
    phone->flush();

    link.poll();
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].size(), InfraredLink::kReceiveSize);
    link.poll();
    link.poll();
    size_t total = 0;
    for (const auto& chunk : chunks) total += chunk.size();
    EXPECT_EQ(total, 7000u);
    link.poll();  // nothing waiting: no chunk at all
    EXPECT_EQ(chunks.size(), 3u);
}

TEST_F(InfraredLinkTest, ThePhoneClosingItsEndGivesOneEmptyChunkAndEndsTheLink) {
    auto& server = offer("1");
    open();
    auto phone = phoneEnd(server);
    phone->write("\x14\x0C\x00", 3);  // half a frame, then gone
    phone->flush();
    phone->disconnectFromServer();
    phone.reset();

    link.poll();
    link.poll();
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].size(), 3u);
    EXPECT_TRUE(chunks[1].empty());
    link.poll();
    EXPECT_EQ(chunks.size(), 2u) << "nothing more is read from a closed link";
    const uint8_t byte = 0x14;
    EXPECT_EQ(link.write(&byte, 1), 0);
}

TEST_F(InfraredLinkTest, SendsAreDroppedWhileTheLinkIsLost) {
    auto& server = offer("1");
    open();
    const auto phone = phoneEnd(server);
    const uint8_t frame[] = {0x14, 0x00, 0x0C, 0x04, 0x00, 0x00};

    state.LinkLost = true;
    EXPECT_EQ(link.write(frame, sizeof frame), 0);
    state.LinkLost = false;
    state.SocketOpen = false;  // what the keep-alive does when it declares the loss
    EXPECT_EQ(link.write(frame, sizeof frame), 0);
    phone->write("\x14", 1);
    phone->flush();
    link.poll();
    EXPECT_TRUE(chunks.empty()) << "the poll reads nothing until the next set-up";
    EXPECT_FALSE(phone->waitForReadyRead(300));

    // The next set-up drains and closes the old socket and starts afresh.
    open();
    const auto again = phoneEnd(server);
    EXPECT_TRUE(phone->state() == QLocalSocket::UnconnectedState ||
                phone->waitForDisconnected(5000));
    EXPECT_EQ(link.write(frame, sizeof frame), 6);
    ASSERT_TRUE(again->waitForReadyRead(5000));
    EXPECT_EQ(again->readAll().size(), 6);
}

}  // namespace
