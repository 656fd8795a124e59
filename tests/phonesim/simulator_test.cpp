// The simulator on its own thread, on a real pseudo-terminal and as an
// infrared device, driven the way the library's end-to-end tests drive it.
#include "phonesim/simulator.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>

#include "tests/phonesim/ptypeer.h"
#include "tests/support/privateruntime.h"

using namespace phonesim;
using namespace phonesim_test;
using namespace std::chrono_literals;

namespace {

const Bytes kIdentify = pcMessage(0xD1, {0x00, 0x01, 0x00, 0x03, 0x00}, 0x40);

}  // namespace

TEST(Simulator, AnswersOnAPseudoTerminal) {
    Simulator sim(Fixture::forModel(QStringLiteral("NHM-5")));
    const QString device = sim.startPty();
    ASSERT_FALSE(device.isEmpty()) << qPrintable(sim.errorString());
    PtyPeer pc(device);
    ASSERT_TRUE(pc.isOpen());

    Bytes wakeUp(100 + kIdentify.size(), 0x55);
    std::copy(kIdentify.begin(), kIdentify.end(), wakeUp.begin() + 100);
    pc.write(wakeUp);
    const auto frames = pc.readFrames(2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].data, (Bytes{0xD1, 0x00}));
    EXPECT_EQ(frames[1].type, 0xD2);
    pc.write(pcAck(0xD2, frames[1].data.back()));

    ASSERT_TRUE(sim.waitForRequest(0xD1, 5s));
    EXPECT_EQ(sim.requests().front(), (Message{0xD1, {0x00, 0x01, 0x00, 0x03, 0x00}}));
    EXPECT_EQ(sim.preamble(), wakeUp);
    ASSERT_TRUE(sim.journal().waitUntil(
        [](const JournalRecord& r) { return r.counters.acksReceived == 1; }, 5s));
    EXPECT_EQ(sim.counters().resends, 0u);
}

TEST(Simulator, StableLinkLivesAsLongAsTheLink) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("phone"));
    Simulator sim;
    const QString device = sim.startPty(link);
    ASSERT_FALSE(device.isEmpty()) << qPrintable(sim.errorString());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), device);
    {
        PtyPeer pc(link);
        pc.write(kIdentify);
        EXPECT_EQ(pc.readFrames(2).size(), 2u);
    }
    sim.stop();
    EXPECT_FALSE(QFileInfo(link).isSymLink());

    // A name taken by an ordinary file is left alone.
    QFile file(link);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(sim.startPty(link).isEmpty());
    EXPECT_TRUE(sim.errorString().contains(link));
    EXPECT_TRUE(QFileInfo(link).isFile());
}

TEST(Simulator, ANewPcGetsNoStaleBytes) {
    Simulator sim;
    const QString device = sim.startPty();
    ASSERT_FALSE(device.isEmpty());
    {
        PtyPeer first(device);
        first.write(kIdentify);
        ASSERT_EQ(first.readFrames(2).size(), 2u);  // answer left unacknowledged
    }
    // The phone notices the PC leave and starts over.
    ASSERT_TRUE(
        sim.journal().waitUntil([](const JournalRecord& r) { return !r.preambleComplete; }, 5s));

    PtyPeer second(device);
    const Bytes status = pcMessage(0x04, {0x00, 0x01, 0x00, 0x01}, 0x41);
    second.write(status);
    const auto frames = second.readFrames(2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].data, (Bytes{0x04, 0x01}));  // its own ack first, no old version text
    EXPECT_EQ(frames[1].type, 0x04);
    EXPECT_EQ(sim.preamble(), status);
}

TEST(Simulator, FaultsFixtureAndDisplayFromTheTestThread) {
    QTemporaryDir dir;
    Simulator sim(Fixture::forModel(QStringLiteral("NSE-3")), LinkTiming{Millis(50), 3});
    const QString device = sim.startPty();
    ASSERT_FALSE(device.isEmpty());
    PtyPeer pc(device);

    sim.editFixture([](Fixture& f) { f.battery = 0; });
    sim.faults().setCorruptEvery(1);
    pc.write(pcMessage(0x04, {0x00, 0x01, 0x00, 0x01}, 0x40));
    auto frames = pc.readFrames(4);  // the ack, then three damaged tries
    ASSERT_EQ(frames.size(), 4u);
    for (size_t i = 1; i < frames.size(); ++i) EXPECT_FALSE(frames[i].checksumsOk);
    sim.faults().setCorruptEvery(0);
    ASSERT_TRUE(sim.journal().waitUntil(
        [](const JournalRecord& r) { return r.counters.framesGivenUp == 1; }, 5s));

    pc.write(pcMessage(0x04, {0x00, 0x01, 0x00, 0x01}, 0x41));
    frames = pc.readFrames(2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_TRUE(frames[1].checksumsOk);
    EXPECT_EQ(frames[1].data[8], 0);  // the edited battery level
    pc.write(pcAck(0x04, frames[1].data.back()));

    sim.sendDisplayText(QStringLiteral("Menü"));
    frames = pc.readFrames(1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].type, 0x0D);
    EXPECT_EQ(frames[0].data[7], 4);

    const QString saved = dir.filePath(QStringLiteral("phone.json"));
    QString error;
    ASSERT_TRUE(sim.saveFixture(saved, &error)) << qPrintable(error);
    const auto loaded = Fixture::load(saved, &error);
    ASSERT_TRUE(loaded) << qPrintable(error);
    EXPECT_EQ(loaded->battery, 0);

    sim.faults().hangUp();
    EXPECT_TRUE(pc.waitForHangUp(5s));
    EXPECT_FALSE(sim.isLinkOpen());
    EXPECT_EQ(sim.fixture().battery, 0);  // still there after the link is gone
}

// Sends a PhoNet status request and returns the answer.
QByteArray askStatus(QLocalSocket& pc) {
    const char request[] = {0x14, 0x00, 0x0C, 0x04, 0x00, 0x04, 0x00, 0x01, 0x00, 0x01};
    pc.write(request, sizeof request);
    QByteArray answer;
    while (answer.size() < 15 && pc.waitForReadyRead(5000)) answer += pc.readAll();
    return answer;
}

TEST(Simulator, InfraredDeviceInItsPrivateFolder) {
    testing_support::PrivateRuntime runtime;
    const QString folder = runtime.infraredFolder() + QStringLiteral("/7");
    const QString path = folder + QStringLiteral("/Nokia:PhoNet");
    ASSERT_TRUE(QDir().mkpath(runtime.infraredFolder()));  // left open by someone: closed again
    ASSERT_TRUE(QFile::setPermissions(runtime.infraredFolder(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther));
    Simulator sim;
    ASSERT_TRUE(sim.addInfrared(QStringLiteral("7"))) << qPrintable(sim.errorString());
    EXPECT_EQ(sim.infraredServicePath(), path);
    for (const QString& made : {runtime.infraredFolder(), folder}) {
        struct stat st {};
        ASSERT_EQ(::lstat(QFile::encodeName(made).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << qPrintable(made);
    }
    EXPECT_FALSE(Simulator().addInfrared(QStringLiteral("7")));  // taken by a live phone
    EXPECT_FALSE(Simulator().addInfrared(QStringLiteral("../x")));

    QLocalSocket pc;
    pc.connectToServer(path);
    ASSERT_TRUE(pc.waitForConnected(5000));
    const QByteArray status("14 0c 00 04 00 09 00 01 00 02 01 04 00 02 03");
    EXPECT_EQ(askStatus(pc).toHex(' '), status);
    {
        // A PC looking for devices in range connects and leaves without a
        // byte: the phone goes on with its partner.
        QLocalSocket look;
        look.connectToServer(path);
        ASSERT_TRUE(look.waitForConnected(5000));
        look.abort();
    }
    EXPECT_EQ(askStatus(pc).toHex(' '), status);

    // A PC that speaks takes the phone over.
    QLocalSocket other;
    other.connectToServer(path);
    ASSERT_TRUE(other.waitForConnected(5000));
    EXPECT_EQ(askStatus(other).toHex(' '), status);
    EXPECT_TRUE(pc.state() == QLocalSocket::UnconnectedState || pc.waitForDisconnected(5000));

    sim.stop();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(folder));
}
