#include "corvina/connection/connectioncontrol.h"

#include <QLoggingCategory>
#include <QTimer>

#include "phonelib/api/notification.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

constexpr double kOldest7110Software = 4.88;

// Connection changes for the log; off unless asked for with
// QT_LOGGING_RULES="corvina.connection.info=true".
Q_LOGGING_CATEGORY(lcConnection, "corvina.connection", QtWarningMsg)

}  // namespace

bool softwareTooOld(const TPhoneInfo& info) {
    if (info.modelCode != "NSE-5") return false;
    QString version = QString::fromLatin1(info.softwareVersion);
    version.remove(QLatin1Char('v'), Qt::CaseInsensitive);
    bool ok = false;
    const double number = version.trimmed().toDouble(&ok);
    return ok && number < kOldest7110Software;
}

ConnectionControl::ConnectionControl(QObject* parent)
    : ConnectionControl(&phonelib::GetPhoneInfos, parent) {}

ConnectionControl::ConnectionControl(PhoneInfoQuery phoneInfos, QObject* parent)
    : QObject(parent), phoneInfos_(std::move(phoneInfos)) {}

void ConnectionControl::onDisConnected() {
    ++generation_;
    notConnected_ = true;
    qCInfo(lcConnection) << "Nicht verbunden";
    emit disconnected();
}

void ConnectionControl::OnConnected() {
    const unsigned generation = ++generation_;
    TPhoneInfo info;
    const uint8_t status = phoneInfos_(info);
    if (status == phonelib::stCallInProgress) {
        QTimer::singleShot(retryMs_, this, [this, generation] {
            if (generation == generation_) OnConnected();
        });
        return;
    }
    // Keep-alive answers from a phone whose set-up failed (an unknown
    // model) are no connection.
    if (status == phonelib::stNotConnected) return;
    info_ = info;
    model_ = modelNumberOf(info.modelCode);
    if (softwareTooOld(info)) {
        emit incompatibleSoftware();
        return;
    }
    notConnected_ = false;
    qCInfo(lcConnection).noquote() << "Verbunden:" << modelName();
    emit connected();
}

bool ConnectionControl::event(QEvent* event) {
    if (event->type() != phonelib::PhoneNotification::eventType()) return QObject::event(event);
    const auto* n = static_cast<phonelib::PhoneNotification*>(event);
    switch (n->message()) {
        case phonelib::nfLinkLost:
            onDisConnected();
            break;
        case phonelib::nfLinkUp:
            OnConnected();
            break;
        case phonelib::nfDisplayText:
            emit displayText();
            break;
        case phonelib::nfKeepAliveCycle:
            emit phoneStatusCycle();
            break;
        case phonelib::nfSmsArrived:
            emit smsArrived(static_cast<int>(n->wParam()), static_cast<int>(n->lParam()));
            break;
        case phonelib::nfSmsProgress:
            emit smsProgress(n->wParam(), static_cast<int>(n->lParam()));
            break;
        case kDivertProgress:
            emit divertProgress(static_cast<int>(n->wParam()), static_cast<int>(n->lParam()));
            break;
        case kForceExit:
            emit exitRequested();
            break;
        default:
            break;
    }
    return true;
}

}  // namespace corvina
