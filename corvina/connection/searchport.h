// The port search: a worker thread that calls initport for one port and
// connection kind after another until a phone answers, then waits until
// the main window resumes it (after the link was lost or the settings
// changed).
//
// Order: it starts at the stored port and kind; each pass tries the ports
// one after the other with one kind (with automatic searching on) or only
// the stored port (off); infrared kinds make one attempt without a port.
// With automatic searching on, a pass without success moves on to the next
// kind, 0 to 4 and round again.
#pragma once

#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "phonelib/api/porterror.h"

namespace corvina {

// What a search pass takes from the settings.
struct SearchSetup {
    QString storedPort;  // tried first, also when no enumeration lists it
    int storedKind = 1;  // outside 0..4 the search starts at 0
    int32_t baud = 0;
};

class SearchPort : public QThread {
    Q_OBJECT

  public:
    using InitPort =
        std::function<uint8_t(QObject* host, const std::string& port, uint8_t kind, int32_t baud)>;
    struct Dependencies {
        InitPort initport;
        std::function<QStringList()> listPorts;  // full device names
        std::function<SearchSetup()> readSetup;
        // Keeps port and kind of a successful attempt ("Comport", "LastModel").
        std::function<void(const QString& port, uint8_t kind)> storeResult;
        std::function<phonelib::PortOpenError(std::string& detail)> portOpenError;
    };

    // The real library and the serial ports of the system; what to read and
    // keep of the settings is the caller's (readSetup, storeResult).
    static Dependencies systemDependencies();

    SearchPort(QObject* host, Dependencies dependencies, QObject* parent = nullptr);
    // Stops the search and waits for the thread.
    ~SearchPort() override;

    void setAutomatic(bool on) { automatic_ = on; }
    bool automatic() const { return automatic_; }
    // The Shift key was held at start: the first run ends its pass at once
    // and waits to be resumed. Call before the first resumeSearch.
    void holdAtStart() { holdAtStart_ = true; }
    // Starts the thread the first time; wakes it while it waits after a
    // success (or after the Shift hold). Ignored while it is searching.
    void resumeSearch();
    // The settings dialog was closed with OK: the next pass reads them again.
    void settingsAccepted() { settingsAccepted_ = true; }
    // Asks the thread to end and returns at once; an initport in flight ends
    // within its own time limits, then finished() follows.
    void stop();
    bool waitingForResume() const;
    // How long a pass without any port to try waits before the next (2 s).
    void setEmptyPassPause(int milliseconds) { emptyPassPauseMs_ = milliseconds; }

  signals:
    void attemptStarted(quint8 kind, const QString& port, qint32 baud);
    void attemptFailed(const QString& port, phonelib::PortOpenError error, const QString& detail);
    void phoneFound(const QString& port, quint8 kind);
    // The first pass is over (set after every attempt, as the search-pass flag).
    void searchPassEnded();

  protected:
    void run() override;

  private:
    bool stopping() const { return stopRequested_; }
    // Waits until resumed; false when stopped meanwhile.
    bool waitForResume();
    // Waits the time unless stopped or resumed meanwhile.
    void pause(int milliseconds);
    QStringList portList(const QString& storedPort) const;

    QObject* host_;
    Dependencies deps_;
    std::atomic<bool> automatic_{false};
    std::atomic<bool> holdAtStart_{false};
    std::atomic<bool> settingsAccepted_{false};
    std::atomic<bool> stopRequested_{false};
    std::atomic<int> emptyPassPauseMs_{2000};
    mutable QMutex mutex_;
    QWaitCondition wake_;
    bool waiting_ = false;  // guarded by mutex_
    bool resumed_ = false;  // guarded by mutex_
};

}  // namespace corvina
