// Why no phone was found, from facts: the serial devices of the system,
// whether the user may open them, and what the last search met on each
// port with each connection kind. Each problem comes with its remedy and,
// where one helps, a command to type.
#pragma once

#include <QString>
#include <vector>

#include "corvina/connection/searchrecord.h"

namespace corvina {

struct SerialPortFact {
    QString device;  // "/dev/ttyUSB0"
    QString description;
    bool mayOpen = true;  // the user has read and write access
};

// The serial devices the system lists, with the user's access to each.
std::vector<SerialPortFact> systemSerialPorts();

struct ConnectionAdvice {
    QString problem;
    QString remedy;
    QString command;  // may be empty
};

std::vector<ConnectionAdvice> diagnoseConnection(const std::vector<SerialPortFact>& ports,
                                                 const std::vector<SearchAttempt>& attempts,
                                                 const QString& userName);

// "FBUS-Datenkabel", "Infrarot (AT)", …
QString connectionKindName(uint8_t kind);
// "kein Telefon hat geantwortet", "keine Berechtigung", …
QString attemptOutcomeText(AttemptOutcome outcome);

}  // namespace corvina
