#include "corvina/diverts/divertlibrary.h"

#include <QCoreApplication>
#include <QPointer>

#include "corvina/connection/connectioncontrol.h"
#include "phonelib/api/notification.h"
#include "phonelib/api/phonelib.h"

namespace corvina {

DivertLibrary DivertLibrary::library(QObject* host) {
    DivertLibrary lib;
    lib.getDiverts = &phonelib::GetDiverts;
    lib.setDiverts = &phonelib::SetDiverts;
    lib.formatNumber = &phonelib::formatnumber;
    lib.announce = [target = QPointer<QObject>(host)](int type, int condition) {
        if (!target) return;
        QCoreApplication::postEvent(
            target, new phonelib::PhoneNotification(kDivertProgress, type, condition));
    };
    return lib;
}

}  // namespace corvina
