// Connects the library to a simulated phone over a pseudo-terminal cable,
// for the benchmarks that time transfers rather than the set-up.
#pragma once

#include <QObject>
#include <cstdio>

#include "phonelib/api/librarystate.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "phonesim/simulator.h"

namespace bench {

// Notifications go to `host`; says why on stderr when the phone is not reached.
inline bool connectOverCable(phonesim::Simulator& sim, QObject& host) {
    const QString port = sim.startPty();
    if (port.isEmpty() || phonelib::initport(&host, port.toStdString(), phonelib::ckFbusCable, 0) !=
                              phonelib::stDone) {
        std::fprintf(stderr, "Das simulierte Telefon antwortet nicht.\n");
        return false;
    }
    return true;
}

}  // namespace bench
