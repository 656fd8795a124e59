// Runs corvina-cli as a separate program and collects what it prints.
#pragma once

#include <QProcess>
#include <QStringList>
#include <string>

namespace testing_support {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// An empty port leaves --port out (infrared: the first device in range).
inline CliRun runCli(const QString& port, const QStringList& command,
                     const QStringList& options = {}) {
    QProcess process;
    QStringList arguments = {"--tick", "100"};
    if (!port.isEmpty()) arguments << "--port" << port;
    arguments << options << command;
    process.start(CORVINA_CLI, arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

}  // namespace testing_support
