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

// Starts corvina-cli with short library ticks; an empty port leaves --port
// out (infrared: the first device in range).
inline void startCli(QProcess& process, const QString& port, const QStringList& command,
                     const QStringList& options = {}) {
    QStringList arguments = {"--tick", "100"};
    if (!port.isEmpty()) arguments << "--port" << port;
    arguments << options << command;
    process.start(CORVINA_CLI, arguments);
}

inline CliRun runCli(const QString& port, const QStringList& command,
                     const QStringList& options = {}) {
    QProcess process;
    startCli(process, port, command, options);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

}  // namespace testing_support
