// An independent FBUS client against the simulator: gnokii, built against
// real phones, must identify the simulated Nokia 3310. A misreading shared
// by the library and the simulator (a checksum, an offset, a length byte,
// padding, frame splitting) would show up here. Skipped when gnokii is not
// installed.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "phonesim/fixture/fixture.h"

namespace {

class Gnokii : public ::testing::Test {
  protected:
    void SetUp() override {
        gnokii_ = QStandardPaths::findExecutable(QStringLiteral("gnokii"));
        if (gnokii_.isEmpty()) {
            GTEST_SKIP() << "gnokii is not installed (Debian package gnokii-cli; scripts/test.sh "
                            "installs it)";
        }
        ASSERT_TRUE(dir_.isValid());
    }

    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    // Starts phonesim with these arguments on a pseudo-terminal, runs
    // `gnokii --identify` against it as a 3310 on a serial cable and returns
    // gnokii's output; *exitCode gets gnokii's exit code.
    QString identify(const QStringList& simArguments, int* exitCode) {
        QProcess sim;
        sim.start(QStringLiteral(PHONESIM_PROGRAM), simArguments);
        if (!sim.waitForReadyRead(10000)) return QString::fromLocal8Bit(sim.readAllStandardError());
        const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
        const QString config = writeFile(
            QStringLiteral("gnokiirc"),
            QStringLiteral(
                "[global]\nport = %1\nmodel = 3310\nconnection = serial\nuse_locking = no\n")
                .arg(device)
                .toLocal8Bit());

        QProcess client;
        client.setProcessChannelMode(QProcess::MergedChannels);
        client.start(gnokii_, {QStringLiteral("--config"), config, QStringLiteral("--identify")});
        client.waitForFinished(60000);
        *exitCode = client.exitCode();
        sim.terminate();
        sim.waitForFinished(10000);
        return QString::fromLocal8Bit(client.readAll());
    }

    QString gnokii_;
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(Gnokii, IdentifiesTheSimulated3310) {
    int exitCode = -1;
    const QString output =
        identify({QStringLiteral("--model"), QStringLiteral("NHM-5")}, &exitCode);
    const auto expected = phonesim::Fixture::forModel(QStringLiteral("NHM-5")).identity;
    EXPECT_EQ(exitCode, 0) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("IMEI         : ") + expected.imei))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Model        : ") + expected.modelCode))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("SW ") + expected.softwareVersion +
                                QStringLiteral(", HW ") + expected.hardwareVersion))
        << qPrintable(output);
}

TEST_F(Gnokii, ReadsASplitAnswerWithAPaddedLastFrame) {
    // A copyright line this long makes the version answer 177 bytes: frames
    // of 120 and 57 message bytes, the second one padded.
    const QString copyright = QStringLiteral("(c) NMP.") + QString(141, QLatin1Char('x'));
    const QString fixture = writeFile(
        QStringLiteral("long.json"),
        QStringLiteral(
            R"({"identity": {"modelCode": "NHM-5", "softwareVersion": "07.21", "copyright": "%1"}})")
            .arg(copyright)
            .toUtf8());
    int exitCode = -1;
    const QString output = identify({QStringLiteral("--fixture"), fixture}, &exitCode);
    EXPECT_EQ(exitCode, 0) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Model        : NHM-5"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("SW 07.21"))) << qPrintable(output);
}
