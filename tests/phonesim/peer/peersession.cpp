#include "tests/phonesim/peer/peersession.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace peer_test {

namespace {

constexpr int kPeerTimeoutMs = 60000;

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

std::string PeerRun::describe() const {
    constexpr qsizetype kLogTail = 6000;
    return QStringLiteral("exit code %1 after %2 s\n--- output\n%3\n--- end of the peer's log\n%4")
        .arg(exitCode)
        .arg(seconds, 0, 'f', 2)
        .arg(output, log.right(kLogTail))
        .toStdString();
}

bool PeerRun::has(const QString& label, const QString& value) const {
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0 || line.left(colon).trimmed() != label) continue;
        if (line.mid(colon + 1).trimmed().startsWith(value)) return true;
    }
    return false;
}

bool PeerRun::stalled() const {
    return log.contains(QLatin1String("TIMEOUT")) || log.contains(QLatin1String("timed out"));
}

void PeerTest::SetUp() {
    const QString name = gnokii() ? QStringLiteral("gnokii") : QStringLiteral("gammu");
    program_ = QStandardPaths::findExecutable(name);
    if (program_.isEmpty()) {
        GTEST_SKIP() << name.toStdString() << " is not installed (Debian package "
                     << (gnokii() ? "gnokii-cli" : "gammu") << "; scripts/test.sh installs it)";
    }
    ASSERT_TRUE(dir_.isValid());
    fixture = phonesim::Fixture::forModel(QLatin1String(model().code));
}

QString PeerTest::writeFile(const QString& name, const QByteArray& content) const {
    QFile out(file(name));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(content);
    return out.fileName();
}

QString PeerTest::configFor(const QString& device, const QString& log) {
    if (gnokii()) {
        // gnokii writes its debug log to stderr.
        return writeFile(QStringLiteral("gnokiirc%1").arg(runs_),
                         QStringLiteral("[global]\nport = %1\nmodel = %2\nconnection = serial\n"
                                        "use_locking = no\n[logging]\ndebug = on\n")
                             .arg(device, QLatin1String(model().name))
                             .toLocal8Bit());
    }
    return writeFile(QStringLiteral("gammurc%1").arg(runs_),
                     QStringLiteral("[gammu]\ndevice = %1\nconnection = fbus\nlogfile = %2\n"
                                    "logformat = textall\n")
                         .arg(device, log)
                         .toLocal8Bit());
}

PeerRun PeerTest::run(const QStringList& arguments, const QByteArray& input) {
    PeerRun result;
    if (!phone) phone = std::make_unique<phonesim::Simulator>(fixture);
    // Each run is a session of its own, as when the peer is started anew.
    const QString device = phone->startPty();
    if (device.isEmpty()) {
        result.output = phone->errorString();
        return result;
    }
    const QString log = file(QStringLiteral("peer%1.log").arg(++runs_));
    const QString config = configFor(device, log);
    QProcess client;
    // Output in UTF-8 whatever the caller's locale.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    client.setProcessEnvironment(environment);
    QStringList all = gnokii() ? QStringList{QStringLiteral("--config"), config}
                               : QStringList{QStringLiteral("-c"), config};
    all += arguments;
    QElapsedTimer clock;
    clock.start();
    client.start(program_, all);
    client.write(input);
    client.closeWriteChannel();
    if (!client.waitForFinished(kPeerTimeoutMs)) client.kill();
    client.waitForFinished();
    result.seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    result.exitCode = client.exitStatus() == QProcess::NormalExit ? client.exitCode() : -1;
    result.output = QString::fromUtf8(client.readAllStandardOutput());
    const QString errors = QString::fromUtf8(client.readAllStandardError());
    if (gnokii()) {
        // Only the lines that are not the debug log belong to the output.
        result.log = errors;
        for (const QString& line : errors.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("Error")) || line.contains(QLatin1String("rror:")))
                result.output += line + QLatin1Char('\n');
        }
    } else {
        result.output += errors;
        result.log = readAll(log);
    }
    return result;
}

std::string peerCaseName(const ::testing::TestParamInfo<PeerTest::ParamType>& info) {
    std::string name = std::get<0>(info.param) == Peer::Gnokii ? "gnokii_" : "gammu_";
    for (const char* c = std::get<1>(info.param).code; *c; ++c) {
        if (*c != '-') name += *c;
    }
    return name;
}

}  // namespace peer_test
