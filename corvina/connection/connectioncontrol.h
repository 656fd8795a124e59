// The connection state of the program: the host object that receives the
// library's notifications, the model number of the connected phone and the
// not-connected flag the module windows consult.
//
// Handlers that call the library never rely on nesting: when a call of the
// main thread is still in flight (stCallInProgress), the handler tries again a
// moment later instead.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

#include "corvina/connection/modelnumbers.h"
#include "records/typendefinitionen.h"

namespace corvina {

// GUI-internal notifications. Divert progress, posted by the divert module
// to the main window: wParam divert type, lParam divert kind.
constexpr int kDivertProgress = 0x46A;
// Close the main window.
constexpr int kForceExit = 0x54D;

// A Nokia 7110 with software older than 4.88 cannot be used. Versions that
// cannot be read as a number are let through.
bool softwareTooOld(const TPhoneInfo& info);

class ConnectionControl : public QObject {
    Q_OBJECT

  public:
    using PhoneInfoQuery = std::function<uint8_t(TPhoneInfo&)>;

    explicit ConnectionControl(QObject* parent = nullptr);
    ConnectionControl(PhoneInfoQuery phoneInfos, QObject* parent = nullptr);

    uint8_t modelNumber() const { return model_.number; }
    QString modelName() const { return QString::fromLatin1(model_.name); }
    bool notConnected() const { return notConnected_; }
    const TPhoneInfo& phoneInfo() const { return info_; }

    // The port search's view: an attempt failed or a phone answered set-up.
    void setNotConnected(bool notConnected) { notConnected_ = notConnected; }

    // 0x465: the link is lost, or a search is to be started.
    void onDisConnected();
    // 0x466: the phone answers; reads its identity.
    void OnConnected();

    // How long a handler waits before it tries again when the library is
    // still busy with another call of the main thread.
    void setRetryInterval(int milliseconds) { retryMs_ = milliseconds; }

    bool event(QEvent* event) override;

  signals:
    void disconnected();
    void connected();
    void incompatibleSoftware();
    void phoneStatusCycle();                       // 0x468
    void smsProgress(qint64 value, int state);     // 0x469
    void divertProgress(int type, int condition);  // 0x46A
    void displayText();                            // 0x467
    void smsArrived(int location, int folder);     // 0x46B
    void exitRequested();                          // 0x54D

  private:
    PhoneInfoQuery phoneInfos_;
    ModelNumber model_;
    TPhoneInfo info_;
    bool notConnected_ = true;
    unsigned generation_ = 0;  // advanced by every link change
    int retryMs_ = 200;
};

}  // namespace corvina
