#include "corvina/connection/connectiondiagnosis.h"

#include <unistd.h>

#include <QFile>
#include <QSerialPortInfo>

#include "corvina/language/language.h"
#include "phonelib/api/librarystate.h"

namespace corvina {

namespace {

QString remedyForSilence(uint8_t kind) {
    switch (kind) {
        case phonelib::ckAtCable:
            return tx("verbindungshilfe_10",
                      "Für Siemens-Telefone: Telefon einschalten, Datenkabel fest einstecken. "
                      "S45, C45 und ME45 brauchen in den Einstellungen (Seite \"Datenrate\") "
                      "dieselbe Übertragungsrate wie im Telefon, alle anderen 19,2 kb/s.");
        case phonelib::ckFbusCable:
        case phonelib::ckDlr3Cable:
            return tx("verbindungshilfe_11",
                      "Für Nokia-Telefone: Telefon einschalten, Kabel fest auf die Kontakte "
                      "unter dem Akku bzw. in die Buchse stecken. Ein DLR-3-Kabel braucht in den "
                      "Einstellungen \"DLR-3 Datenkabel\", ein FBUS-Kabel "
                      "\"FBUS/Siemens-Datenkabel\". Mit \"Automatische Suche\" probiert Corvina "
                      "alle Arten selbst.");
        default:
            return tx("verbindungshilfe_12",
                      "Infrarot: Infrarot im Telefon einschalten und die Fenster von Telefon und "
                      "Computer auf höchstens einen Meter einander zuwenden.");
    }
}

QString where(const SearchAttempt& attempt) {
    return attempt.port.isEmpty() ? connectionKindName(attempt.kind)
                                  : attempt.port + QStringLiteral(" (") +
                                        connectionKindName(attempt.kind) + QLatin1Char(')');
}

}  // namespace

std::vector<SerialPortFact> systemSerialPorts() {
    std::vector<SerialPortFact> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QByteArray path = QFile::encodeName(info.systemLocation());
        ports.push_back({info.systemLocation(), info.description(),
                         ::access(path.constData(), R_OK | W_OK) == 0});
    }
    return ports;
}

QString connectionKindName(uint8_t kind) {
    switch (kind) {
        case phonelib::ckAtCable:
            return tx("searchthread_666_2", "Siemens-Datenkabel");
        case phonelib::ckFbusCable:
            return tx("saerchthread_1", "FBUS-Datenkabel");
        case phonelib::ckDlr3Cable:
            return tx("saerchthread_2", "DLR3-Datenkabel");
        case phonelib::ckAtInfrared:
            return tx("verbindungshilfe_1", "Infrarot (Siemens)");
        default:
            return tx("verbindungshilfe_2", "Infrarot (Nokia)");
    }
}

QString attemptOutcomeText(AttemptOutcome outcome) {
    switch (outcome) {
        case AttemptOutcome::Found:
            return tx("verbindungshilfe_3", "Telefon gefunden");
        case AttemptOutcome::NoAnswer:
            return tx("verbindungshilfe_4", "geöffnet, aber kein Telefon hat geantwortet");
        case AttemptOutcome::NotFound:
            return tx("verbindungshilfe_5", "Schnittstelle nicht vorhanden");
        case AttemptOutcome::OutOfRange:
            return tx("verbindungshilfe_9", "kein Gerät in Reichweite");
        case AttemptOutcome::NoPermission:
            return tx("verbindungshilfe_6", "keine Berechtigung");
        case AttemptOutcome::Busy:
            return tx("verbindungshilfe_7", "von einem anderen Programm belegt");
        case AttemptOutcome::OtherError:
            return tx("verbindungshilfe_8", "lässt sich nicht öffnen");
    }
    return {};
}

std::vector<ConnectionAdvice> diagnoseConnection(const std::vector<SerialPortFact>& ports,
                                                 const std::vector<SearchAttempt>& attempts,
                                                 const QString& userName) {
    std::vector<ConnectionAdvice> advice;
    if (ports.empty()) {
        advice.push_back(
            {tx("verbindungshilfe_20", "Der Computer meldet keine serielle Schnittstelle."),
             tx("verbindungshilfe_21",
                "Stecken Sie das Datenkabel ein (bei einem USB-Kabel den USB-Stecker). Gleich "
                "danach zeigt der folgende Befehl, unter welchem Namen (z. B. /dev/ttyUSB0) das "
                "System es erkannt hat; diesen Namen können Sie in den Einstellungen eintragen."),
             QStringLiteral("sudo dmesg | tail")});
    }
    QStringList denied;
    for (const SerialPortFact& port : ports) {
        if (!port.mayOpen) denied << port.device;
    }
    for (const SearchAttempt& attempt : attempts) {
        if (attempt.outcome == AttemptOutcome::NoPermission && !denied.contains(attempt.port))
            denied << attempt.port;
    }
    if (!denied.isEmpty()) {
        advice.push_back(
            {tx("verbindungshilfe_22", "Keine Berechtigung für %1.").arg(denied.join(", ")),
             tx("verbindungshilfe_23",
                "Wer serielle Schnittstellen benutzen will, muss Mitglied der Gruppe \"dialout\" "
                "sein. Nehmen Sie den Benutzer %1 mit dem folgenden Befehl auf und melden Sie "
                "sich danach ab und wieder an.")
                 .arg(userName),
             QStringLiteral("sudo usermod -aG dialout ") + userName});
    }
    for (const SearchAttempt& attempt : attempts) {
        switch (attempt.outcome) {
            case AttemptOutcome::NoAnswer:
                advice.push_back({tx("verbindungshilfe_24", "An %1 hat kein Telefon geantwortet.")
                                      .arg(where(attempt)),
                                  remedyForSilence(attempt.kind),
                                  {}});
                break;
            case AttemptOutcome::OutOfRange:
                advice.push_back(
                    {tx("verbindungshilfe_13", "Über %1 ist kein Telefon in Reichweite.")
                         .arg(where(attempt)),
                     remedyForSilence(attempt.kind),
                     {}});
                break;
            case AttemptOutcome::NotFound:
                advice.push_back(
                    {tx("verbindungshilfe_25", "Die Schnittstelle %1 gibt es nicht.")
                         .arg(attempt.port),
                     tx("verbindungshilfe_26",
                        "Das Kabel wurde ausgesteckt oder die Einstellungen nennen eine andere "
                        "Schnittstelle. Wählen Sie unter \"Einstellungen\" eine der oben "
                        "aufgeführten."),
                     {}});
                break;
            case AttemptOutcome::Busy:
                advice.push_back(
                    {tx("verbindungshilfe_27", "%1 wird von einem anderen Programm benutzt.")
                         .arg(attempt.port),
                     tx("verbindungshilfe_28",
                        "Beenden Sie das andere Programm (ein Terminalprogramm, ein zweites "
                        "Corvina, einen Modem-Dienst). Der folgende Befehl zeigt, welches es "
                        "ist."),
                     QStringLiteral("fuser -v ") + attempt.port});
                break;
            case AttemptOutcome::OtherError:
                advice.push_back({tx("verbindungshilfe_29", "%1 lässt sich nicht öffnen: %2")
                                      .arg(where(attempt), attempt.detail),
                                  tx("verbindungshilfe_30",
                                     "Stecken Sie das Kabel aus und wieder ein und suchen Sie "
                                     "erneut."),
                                  {}});
                break;
            case AttemptOutcome::Found:
            case AttemptOutcome::NoPermission:
                break;
        }
    }
    if (attempts.empty() && !ports.empty()) {
        advice.push_back({tx("verbindungshilfe_31", "Es wurde noch nicht gesucht."),
                          tx("verbindungshilfe_32",
                             "Drücken Sie \"Erneut suchen\"; danach steht hier, was die Suche an "
                             "jeder Schnittstelle vorgefunden hat."),
                          {}});
    }
    return advice;
}

}  // namespace corvina
