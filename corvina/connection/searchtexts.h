// What the status line says while the port search tries a port.
#pragma once

#include <QString>
#include <cstdint>

#include "phonelib/api/porterror.h"

namespace corvina {

// "Suche Mobiltelefon über FBUS-Datenkabel an /dev/ttyUSB0" and its kin,
// by connection kind; AT cables add the data rate.
QString searchStatusText(uint8_t kind, const QString& port, int32_t baud);

// Why a port could not be opened, from the library's report and the
// system's own words; empty when it opened (or was not tried).
QString portOpenErrorText(const QString& port, phonelib::PortOpenError error,
                          const QString& detail);

}  // namespace corvina
