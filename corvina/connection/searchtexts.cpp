#include "corvina/connection/searchtexts.h"

#include "corvina/language/language.h"
#include "phonelib/api/librarystate.h"

namespace corvina {

namespace {

QString rateText(int32_t baud) {
    switch (baud) {
        case 0:
        case 19200:
            return QStringLiteral("19,2 kb/s");
        case 38400:
            return QStringLiteral("38,4 kb/s");
        case 57600:
            return QStringLiteral("57,6 kb/s");
        case 115200:
            return QStringLiteral("115,2 kb/s");
        default:
            return {};
    }
}

}  // namespace

QString searchStatusText(uint8_t kind, const QString& port, int32_t baud) {
    switch (kind) {
        case phonelib::ckAtCable: {
            QString text = tx("saerchthread_6", "Suche Siemens-Mobiltelefon an ") + port;
            const QString rate = rateText(baud);
            if (!rate.isEmpty()) text += tx("searchthread_666_1", " bei ") + rate;
            return text;
        }
        case phonelib::ckFbusCable:
        case phonelib::ckDlr3Cable: {
            const QString cable = kind == phonelib::ckFbusCable
                                      ? tx("saerchthread_1", "FBUS-Datenkabel")
                                      : tx("saerchthread_2", "DLR3-Datenkabel");
            return tx("saerchthread_4", "Suche Mobiltelefon über ") + cable +
                   tx("saerchthread_5", " an ") + port;
        }
        default:
            return tx("saerchthread_7", "Suche über Infrarotverbindung...");
    }
}

QString portOpenErrorText(const QString& port, phonelib::PortOpenError error,
                          const QString& detail) {
    switch (error) {
        case phonelib::PortOpenError::None:
            return {};
        case phonelib::PortOpenError::NotFound:
            return tx("searchport_1", "Die Schnittstelle %1 gibt es nicht.").arg(port);
        case phonelib::PortOpenError::PermissionDenied:
            return tx("searchport_2",
                      "Keine Berechtigung für %1: der Benutzer muss Mitglied der Gruppe "
                      "\"dialout\" sein.")
                .arg(port);
        case phonelib::PortOpenError::Busy:
            return tx("searchport_3",
                      "Die Schnittstelle %1 wird von einem anderen Programm benutzt.")
                .arg(port);
        case phonelib::PortOpenError::Other:
            return tx("searchport_4", "Die Schnittstelle %1 lässt sich nicht öffnen: %2")
                .arg(port, detail);
    }
    return {};
}

}  // namespace corvina
