// Independent AT clients against the simulated Siemens phone: gnokii (model
// AT over a serial line) and, as a second opinion, gammu must identify it,
// read its SIM phonebook and take apart its stored PDUs as the fixture
// holds them. A misreading shared by the library's AT driver and the
// simulator (echo, line ends, quoting, PDU fields) would show up here.
// Skipped when the client is not installed.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "phonesim/fixture/fixture.h"

namespace {

class SiemensPeer : public ::testing::Test {
  protected:
    void TearDown() override {
        if (sim_.state() != QProcess::NotRunning) {
            sim_.terminate();
            sim_.waitForFinished(10000);
        }
    }

    // Starts phonesim as an S45; the device path, or empty.
    QString startPhone() {
        sim_.start(QStringLiteral(PHONESIM_PROGRAM),
                   {QStringLiteral("--model"), QStringLiteral("S45")});
        if (!sim_.waitForReadyRead(10000)) return {};
        return QString::fromLocal8Bit(sim_.readLine()).trimmed();
    }

    QString writeFile(const QString& name, const QString& content) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
        return path;
    }

    // Runs the client with its configuration file and the arguments; returns
    // what it printed and expects it to succeed.
    QString client(const QStringList& configuration, const QStringList& arguments) {
        int exitCode = -1;
        const QString output = run(program_, configuration + arguments, &exitCode);
        EXPECT_EQ(exitCode, 0) << qPrintable(output);
        return output;
    }

    // Runs a program and returns what it printed; *exitCode its exit code.
    static QString run(const QString& program, const QStringList& arguments, int* exitCode) {
        QProcess client;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        client.setProcessEnvironment(environment);
        client.setProcessChannelMode(QProcess::MergedChannels);
        client.start(program, arguments);
        client.waitForFinished(60000);
        *exitCode = client.exitCode();
        return QString::fromUtf8(client.readAll());
    }

    static QString tool(const char* name) {
        return QStandardPaths::findExecutable(QString::fromLatin1(name));
    }

    const phonesim::Fixture fixture_ = phonesim::Fixture::forModel(QStringLiteral("S45"));
    QString program_;  // the client
    QTemporaryDir dir_;
    QProcess sim_;
};

class GnokiiAt : public SiemensPeer {
  protected:
    void SetUp() override {
        program_ = tool("gnokii");
        if (program_.isEmpty()) {
            GTEST_SKIP() << "gnokii is not installed (Debian package gnokii-cli; scripts/test.sh "
                            "installs it)";
        }
        const QString device = startPhone();
        ASSERT_FALSE(device.isEmpty()) << "phonesim did not start";
        config_ = writeFile(QStringLiteral("gnokiirc"),
                            QStringLiteral("[global]\nport = %1\nmodel = AT\nconnection = serial\n"
                                           "use_locking = no\n")
                                .arg(device));
    }

    QString gnokii(const QStringList& arguments) {
        return client({QStringLiteral("--config"), config_}, arguments);
    }

    QString config_;
};

TEST_F(GnokiiAt, IdentifiesTheSimulatedS45) {
    const QString output = gnokii({QStringLiteral("--identify")});
    EXPECT_TRUE(output.contains(QStringLiteral("IMEI         : ") + fixture_.identity.imei))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Manufacturer : SIEMENS"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Model        : S45"))) << qPrintable(output);
    EXPECT_TRUE(
        output.contains(QStringLiteral("Revision     : ") + fixture_.identity.softwareVersion))
        << qPrintable(output);
}

TEST_F(GnokiiAt, ReadsTheSimPhonebook) {
    const QString output = gnokii({QStringLiteral("--getphonebook"), QStringLiteral("SM"),
                                   QStringLiteral("1"), QStringLiteral("10")});
    for (const auto& [location, entry] : fixture_.phonebook.sim.entries) {
        if (location > 10) continue;
        EXPECT_TRUE(output.contains(QStringLiteral("%1. Name: %2").arg(location).arg(entry.name)))
            << qPrintable(output);
        EXPECT_TRUE(output.contains(QStringLiteral("Number: ") + entry.number))
            << qPrintable(output);
    }
    EXPECT_EQ(output.count(QStringLiteral(". Name: ")), 3) << qPrintable(output);
}

TEST_F(GnokiiAt, TakesTheStoredPdusApart) {
    const auto read = [&](int location) {
        return gnokii(
            {QStringLiteral("--getsms"), QStringLiteral("SM"), QString::number(location)});
    };
    QString output = read(1);
    EXPECT_TRUE(output.contains(QStringLiteral("Date/time: 12/05/2001 10:30:45 +0200")))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Sender: +491701234567 Msg Center: +491722270333")))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Hallo Welt"))) << qPrintable(output);
    output = read(2);
    EXPECT_TRUE(output.contains(QStringLiteral("Sender: D1-Info"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Ihr Guthaben: 5 EUR"))) << qPrintable(output);
    EXPECT_TRUE(read(3).contains(QStringLiteral("Grüße €["))) << "UCS-2";
    output = read(5);
    EXPECT_TRUE(output.contains(QStringLiteral("Linked (1/3):"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Teil eins"))) << qPrintable(output);
    output = read(6);
    EXPECT_TRUE(output.contains(QStringLiteral("Status Report"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Delivery date/time: 12/05/2001 10:31:02")))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Recipient: +491711234567"))) << qPrintable(output);
    output = read(7);
    EXPECT_TRUE(output.contains(QStringLiteral("MO Message (Sent)"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Recipient: 0171234567"))) << qPrintable(output);
    EXPECT_TRUE(read(8).contains(QStringLiteral("Sender: 01701234567"))) << "national number";
}

class GammuAt : public SiemensPeer {
  protected:
    void SetUp() override {
        program_ = tool("gammu");
        if (program_.isEmpty()) {
            GTEST_SKIP()
                << "gammu is not installed (Debian package gammu; scripts/test.sh installs it)";
        }
        const QString device = startPhone();
        ASSERT_FALSE(device.isEmpty()) << "phonesim did not start";
        config_ = writeFile(
            QStringLiteral("gammurc"),
            QStringLiteral("[gammu]\nport = %1\nconnection = at19200\nmodel = at\n").arg(device));
    }

    QString gammu(const QStringList& arguments) {
        return client({QStringLiteral("-c"), config_}, arguments);
    }

    QString config_;
};

TEST_F(GammuAt, SecondOpinionOnIdentityPhonebookAndMessages) {
    QString output = gammu({QStringLiteral("identify")});
    EXPECT_TRUE(output.contains(QStringLiteral("S45"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(fixture_.identity.imei)) << qPrintable(output);
    output = gammu({QStringLiteral("getmemory"), QStringLiteral("SM"), QStringLiteral("1"),
                    QStringLiteral("2")});
    EXPECT_TRUE(output.contains(QStringLiteral("\"Büro\""))) << qPrintable(output);
    output = gammu({QStringLiteral("getsms"), QStringLiteral("1"), QStringLiteral("2")});
    EXPECT_TRUE(output.contains(QStringLiteral("\"D1-Info\""))) << qPrintable(output);
    output = gammu({QStringLiteral("getsms"), QStringLiteral("1"), QStringLiteral("3")});
    EXPECT_TRUE(output.contains(QStringLiteral("Unicode"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Grüße €["))) << qPrintable(output);
}

}  // namespace
