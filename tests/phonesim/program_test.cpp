// The phonesim program: device path on stdout, stable link, clean exit on
// SIGTERM, fixture written back, German messages for mistakes.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "phonesim/fixture/fixture.h"
#include "tests/phonesim/ptypeer.h"

using namespace phonesim_test;
using namespace std::chrono_literals;

TEST(Program, RunsUntilTerminatedAndCleansUp) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("phone"));
    const QString saved = dir.filePath(QStringLiteral("saved.json"));
    QProcess sim;
    sim.start(QStringLiteral(PHONESIM_PROGRAM),
              {QStringLiteral("--model"), QStringLiteral("NSM-3"), QStringLiteral("--link"), link,
               QStringLiteral("--save"), saved});
    ASSERT_TRUE(sim.waitForReadyRead(10000)) << qPrintable(sim.readAllStandardError());
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    EXPECT_TRUE(device.startsWith(QStringLiteral("/dev/pts/"))) << qPrintable(device);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), device);

    {
        PtyPeer pc(link);
        pc.write(pcMessage(0xD1, {0x00, 0x01, 0x00, 0x03, 0x00}, 0x40));
        const auto frames = pc.readFrames(2);
        ASSERT_EQ(frames.size(), 2u);
        const std::string text(frames[1].data.begin() + 4, frames[1].data.end() - 2);
        EXPECT_NE(text.find("\nNSM-3\n"), std::string::npos) << text;
    }

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    QString error;
    const auto fixture = phonesim::Fixture::load(saved, &error);
    ASSERT_TRUE(fixture) << qPrintable(error);
    EXPECT_EQ(fixture->identity.modelCode, QStringLiteral("NSM-3"));
}

TEST(Program, MistakesEndWithAMessage) {
    QTemporaryDir dir;
    const struct {
        QStringList arguments;
        int exitCode;
        const char* mentions;
    } cases[] = {
        {{QStringLiteral("--tries"), QStringLiteral("0")}, 2, "--tries"},
        {{QStringLiteral("--corrupt-rate"), QStringLiteral("120")}, 2, "Prozent"},
        {{QStringLiteral("--silence"), QStringLiteral("5")}, 2, "A:D"},
        {{QStringLiteral("--fixture"), dir.filePath(QStringLiteral("missing.json"))},
         1,
         "missing.json"},
        {{QStringLiteral("extra")}, 2, "extra"},
    };
    for (const auto& c : cases) {
        QProcess sim;
        sim.start(QStringLiteral(PHONESIM_PROGRAM), c.arguments);
        ASSERT_TRUE(sim.waitForFinished(10000));
        EXPECT_EQ(sim.exitCode(), c.exitCode) << qPrintable(c.arguments.join(' '));
        EXPECT_TRUE(sim.readAllStandardError().contains(c.mentions))
            << qPrintable(c.arguments.join(' '));
    }
}
