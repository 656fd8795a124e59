// Runs gnokii, an independent FBUS client, against phonesim on a
// pseudo-terminal. Tests using it are skipped when gnokii is not installed.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace testing_support {

class GnokiiPeer : public ::testing::Test {
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

    // Starts phonesim with these arguments on a pseudo-terminal, runs gnokii
    // with the arguments against it as the given model on a serial cable and
    // returns gnokii's output; *exitCode gets gnokii's exit code.
    QString run(const QStringList& simArguments, const QString& model,
                const QStringList& gnokiiArguments, int* exitCode) {
        QProcess sim;
        sim.start(QStringLiteral(PHONESIM_PROGRAM), simArguments);
        if (!sim.waitForReadyRead(10000)) return QString::fromLocal8Bit(sim.readAllStandardError());
        const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();
        const QString config = writeFile(
            QStringLiteral("gnokiirc"),
            QStringLiteral(
                "[global]\nport = %1\nmodel = %2\nconnection = serial\nuse_locking = no\n")
                .arg(device, model)
                .toLocal8Bit());

        QProcess client;
        client.setProcessChannelMode(QProcess::MergedChannels);
        client.start(gnokii_, QStringList{QStringLiteral("--config"), config} + gnokiiArguments);
        client.waitForFinished(60000);
        *exitCode = client.exitCode();
        sim.terminate();
        sim.waitForFinished(10000);
        return QString::fromLocal8Bit(client.readAll());
    }

  private:
    QString gnokii_;
    QTemporaryDir dir_;
};

}  // namespace testing_support
