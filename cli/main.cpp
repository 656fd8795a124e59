// corvina-cli: the phone library from the command line, for scripts and tests.
//
//   corvina-cli --port PATH [--connection fbus|dlr3|at] [--baud N] COMMAND [ARGS]
//   corvina-cli --connection irda-at|irda-fbus [--port DEVICE-ID] COMMAND [ARGS]
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "cli/commands.h"
#include "cli/output.h"
#include "phonelib/api/librarystate.h"
#include "phonelib/api/phonelib.h"

namespace {

constexpr std::array<cli::CommandEntry, 13> kCommands = {{
    {"identify", "identify", cli::identify},
    {"phonebook",
     "phonebook read sim|phone|dialled|received|missed [VON[-BIS]]\n"
     "  phonebook write sim|phone PLATZ NAME NUMMER [GRUPPE]\n"
     "  phonebook clear sim|phone PLATZ\n"
     "  phonebook export|import sim|phone DATEI.kvf|DATEI.csv|DATEI.vcf|ORDNER",
     cli::phonebook},
    {"addressbook",
     "addressbook read [VON[-BIS]] | addressbook clear PLATZ\n"
     "  addressbook write PLATZ NAME [home=…] [work=…] [mobile=…] [fax=…]\n"
     "    [email=…] [url=…] [company=…] [street=…] [zip=…] [city=…] [country=…]\n"
     "    [group=0-4]   (Siemens)",
     cli::addressbook},
    {"groups", "groups", cli::groups},
    {"speeddial", "speeddial read | speeddial write TASTE sim|phone PLATZ", cli::speeddial},
    {"sms",
     "sms folders | sms list [--folder ID] | sms read|delete PLATZ [--folder ID]\n"
     "  sms copy|move PLATZ ORDNER [--folder ID]\n"
     "  sms send NUMMER TEXT [--flash] [--report]\n"
     "  sms send-logo NUMMER DATEI [--operator CODE]\n"
     "  sms send-picture NUMMER DATEI [--text TEXT]\n"
     "  sms send-ringtone NUMMER DATEI",
     cli::sms},
    {"smsc", "smsc", cli::smsc},
    {"logo", "logo get|set|delete ...", cli::logo},
    {"ringtone", "ringtone send DATEI.txt|mid [PLATZ]", cli::ringtone},
    {"profile", "profile list|get N|set N schlüssel=wert ...", cli::profile},
    {"divert", "divert get|set|clear KLASSE GRUND [NUMMER [SEKUNDEN]]", cli::divert},
    {"calendar", "calendar list|add|delete ... | calendar export|import DATEI|ORDNER",
     cli::calendar},
    {"wap", "wap list|set DATEI", cli::wap},
}};

std::optional<uint8_t> connectionKind(const QString& name) {
    if (name == "fbus") return phonelib::ckFbusCable;
    if (name == "dlr3") return phonelib::ckDlr3Cable;
    if (name == "at") return phonelib::ckAtCable;
    if (name == "irda-at") return phonelib::ckAtInfrared;
    if (name == "irda-fbus") return phonelib::ckFbusInfrared;
    return std::nullopt;
}

QString usage() {
    QString text = "Befehle:\n";
    for (const auto& command : kCommands) text += QString("  %1\n").arg(command.usage);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("corvina-cli");
    QCoreApplication::setApplicationVersion(CORVINA_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription("Corvina: Telefon über die Kommandozeile bedienen.\n" +
                                     usage());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"port",
                      "Serielle Schnittstelle des Telefons, z. B. /dev/ttyUSB0; bei Infrarot die "
                      "Kennung des Geräts (Vorgabe: das erste in Reichweite).",
                      "PATH"});
    parser.addOption({"connection",
                      "Verbindungsart: fbus, dlr3, at, irda-at (Siemens über Infrarot) oder "
                      "irda-fbus (Nokia über Infrarot); Vorgabe: fbus.",
                      "KIND", "fbus"});
    parser.addOption({"baud", "Datenrate für at (Vorgabe: 19200).", "N", "0"});
    QCommandLineOption tick("tick", "Takt der Bibliothek in ms (Vorgabe: 1000).", "MS", "1000");
    tick.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(tick);
    parser.addPositionalArgument("command", "Befehl und seine Argumente.");
    // Options after the command (--flash, --text …) belong to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "%s", qPrintable(parser.helpText()));
        return 2;
    }
    const auto* command = std::find_if(kCommands.begin(), kCommands.end(),
                                       [&](const auto& c) { return arguments.front() == c.name; });
    if (command == kCommands.end()) {
        cli::printError("Unbekannter Befehl: " + arguments.front().toStdString());
        return 2;
    }
    const auto kind = connectionKind(parser.value("connection"));
    if (!kind) {
        cli::printError("Unbekannte Verbindungsart: " + parser.value("connection").toStdString());
        return 2;
    }
    const bool infrared = *kind == phonelib::ckAtInfrared || *kind == phonelib::ckFbusInfrared;
    if (!parser.isSet("port") && !infrared) {
        cli::printError("Bitte die Schnittstelle mit --port angeben.");
        return 2;
    }

    phonelib::setTickPeriod(parser.value("tick").toInt());
    cli::Session session;
    if (!session.open({parser.value("port").toStdString(), *kind, parser.value("baud").toInt()}))
        return 1;
    return command->run(session, arguments.mid(1));
}
