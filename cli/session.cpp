#include "cli/session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <cstdio>

#include "cli/output.h"
#include "phonelib/api/librarystate.h"
#include "phonelib/api/notification.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

bool isInfrared(uint8_t kind) {
    return kind == phonelib::ckAtInfrared || kind == phonelib::ckFbusInfrared;
}

void explainInfraredFailure(const ConnectionOptions& options, uint8_t status) {
    const std::string device =
        options.port.empty() ? std::string("über Infrarot") : "am Infrarotgerät " + options.port;
    std::string detail;
    switch (phonelib::GetPortOpenError(detail)) {
        case phonelib::PortOpenError::NotFound:
            printError(options.port.empty()
                           ? std::string("Kein Infrarotgerät in Reichweite.")
                           : "Das Infrarotgerät " + options.port + " ist nicht in Reichweite.");
            return;
        case phonelib::PortOpenError::None:
            break;
        default:
            printError("Die Infrarotverbindung lässt sich nicht öffnen: " + detail);
            return;
    }
    if (status == phonelib::stNotAvailable) {
        printError("Das Telefon " + device + " meldet das unbekannte Modell \"" +
                   phonelib::GetModelCode() + "\".");
    } else if (options.kind == phonelib::ckAtInfrared) {
        printError("Kein Telefon antwortet " + device +
                   " auf AT-Befehle (Dienst IrDA:IrCOMM; Nokia-Telefone: --connection irda-fbus).");
    } else {
        printError("Kein Telefon antwortet " + device +
                   " über FBUS (Dienst Nokia:PhoNet; Siemens-Telefone: --connection irda-at).");
    }
}

void explainFailure(const ConnectionOptions& options, uint8_t status) {
    if (isInfrared(options.kind)) {
        explainInfraredFailure(options, status);
        return;
    }
    std::string detail;
    switch (phonelib::GetPortOpenError(detail)) {
        case phonelib::PortOpenError::NotFound:
            printError("Die Schnittstelle " + options.port + " gibt es nicht.");
            return;
        case phonelib::PortOpenError::PermissionDenied:
            printError("Keine Berechtigung für " + options.port +
                       ". Der Benutzer muss Mitglied der Gruppe \"dialout\" sein "
                       "(sudo usermod -aG dialout $USER, danach neu anmelden).");
            return;
        case phonelib::PortOpenError::Busy:
            printError("Die Schnittstelle " + options.port +
                       " wird von einem anderen Programm benutzt.");
            return;
        case phonelib::PortOpenError::Other:
            printError("Die Schnittstelle " + options.port + " lässt sich nicht öffnen: " + detail);
            return;
        case phonelib::PortOpenError::None:
            break;
    }
    if (status == phonelib::stNotAvailable) {
        printError("Das Telefon an " + options.port + " meldet das unbekannte Modell \"" +
                   phonelib::GetModelCode() + "\".");
    } else {
        printError("An " + options.port + " antwortet kein Telefon.");
    }
}

}  // namespace

bool Session::open(const ConnectionOptions& options) {
    kind_ = options.kind;
    const uint8_t status = phonelib::initport(this, options.port, options.kind, options.baud);
    if (status == phonelib::stDone) return true;
    explainFailure(options, status);
    return false;
}

bool Session::event(QEvent* event) {
    if (event->type() != phonelib::PhoneNotification::eventType()) return QObject::event(event);
    if (static_cast<phonelib::PhoneNotification*>(event)->message() == phonelib::nfKeepAliveCycle) {
        ++keepAliveCycles_;
    }
    return true;
}

void Session::waitForFreshStatus() {
    // A cycle is announced when its status request has gone out; the answer
    // has surely arrived by the end of the next one.
    const int wanted = keepAliveCycles_ + 2;
    QDeadlineTimer deadline(10000);
    while (keepAliveCycles_ < wanted && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
}

}  // namespace cli
