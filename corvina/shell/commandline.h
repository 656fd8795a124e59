// The program's command line.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace corvina {

struct CommandLine {
    bool sleepMode = false;    // "-s": start hidden in the notification area
    bool showVersion = false;  // "--version": print the version and end
    bool showHelp = false;     // "-h", "--help": print the usage and end
    // "--port DEVICE": search only this device and leave the settings alone.
    QString port;
    // "--connection fbus|dlr3|at": the connection kind for --port.
    std::optional<uint8_t> connectionKind;
    QString error;  // German text when the arguments make no sense

    bool pointsAtDevice() const { return !port.isEmpty(); }
};

// The arguments without the program name.
CommandLine parseCommandLine(const QStringList& arguments);

// The usage line and what each option does.
QString commandLineHelp();

}  // namespace corvina
