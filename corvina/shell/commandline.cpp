#include "corvina/shell/commandline.h"

#include "phonelib/api/librarystate.h"

namespace corvina {

namespace {

std::optional<uint8_t> kindByName(const QString& name) {
    if (name == QLatin1String("fbus")) return phonelib::ckFbusCable;
    if (name == QLatin1String("dlr3")) return phonelib::ckDlr3Cable;
    if (name == QLatin1String("at")) return phonelib::ckAtCable;
    return std::nullopt;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("-s")) {
            line.sleepMode = true;
        } else if (argument == QLatin1String("--version")) {
            line.showVersion = true;
        } else if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            line.showHelp = true;
        } else if (argument == QLatin1String("--port") && hasValue) {
            line.port = arguments.at(++i);
        } else if (argument == QLatin1String("--connection") && hasValue) {
            line.connectionKind = kindByName(arguments.at(++i));
            if (!line.connectionKind) {
                line.error =
                    QStringLiteral("Unbekannte Verbindungsart \"%1\" (fbus, dlr3 oder at).")
                        .arg(arguments.at(i));
            }
        } else {
            line.error = QStringLiteral(
                             "Unbekannte Angabe \"%1\". Aufruf: corvina [-s] "
                             "[--port GERÄT] [--connection fbus|dlr3|at]")
                             .arg(argument);
        }
        if (!line.error.isEmpty()) break;
    }
    if (line.error.isEmpty() && line.connectionKind && line.port.isEmpty()) {
        line.error = QStringLiteral("--connection gilt nur zusammen mit --port.");
    }
    return line;
}

QString commandLineHelp() {
    return QStringLiteral(
        "Aufruf: corvina [-s] [--port GERÄT [--connection fbus|dlr3|at]]\n"
        "  -s                  nur mit einem Symbol im Benachrichtigungsbereich starten\n"
        "  --port GERÄT        das Telefon nur an diesem Gerät suchen\n"
        "  --connection ART    Verbindungsart für --port: fbus, dlr3 oder at\n"
        "  --version           Programmversion ausgeben\n"
        "  -h, --help          diese Hilfe ausgeben\n");
}

}  // namespace corvina
