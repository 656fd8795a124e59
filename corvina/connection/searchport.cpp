#include "corvina/connection/searchport.h"

#include <QSerialPortInfo>

#include "codecs/tools/cp1252.h"
#include "phonelib/api/librarystate.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

constexpr uint8_t kKindCount = 5;

bool isInfrared(uint8_t kind) {
    return kind == phonelib::ckAtInfrared || kind == phonelib::ckFbusInfrared;
}

uint8_t startKind(int stored) {
    return stored >= 0 && stored < kKindCount ? static_cast<uint8_t>(stored) : 0;
}

}  // namespace

SearchPort::Dependencies SearchPort::systemDependencies() {
    Dependencies deps;
    deps.initport = &phonelib::initport;
    deps.listPorts = [] {
        QStringList names;
        for (const auto& info : QSerialPortInfo::availablePorts()) names << info.systemLocation();
        return names;
    };
    deps.portOpenError = &phonelib::GetPortOpenError;
    return deps;
}

SearchPort::SearchPort(QObject* host, Dependencies dependencies, QObject* parent)
    : QThread(parent), host_(host), deps_(std::move(dependencies)) {
    setObjectName(QStringLiteral("SearchPort"));
}

SearchPort::~SearchPort() {
    stop();
    wait();
}

void SearchPort::resumeSearch() {
    if (!isRunning() && !isFinished() && !stopping()) {
        start(QThread::LowPriority);
        return;
    }
    QMutexLocker lock(&mutex_);
    if (!waiting_) return;
    resumed_ = true;
    wake_.wakeAll();
}

void SearchPort::stop() {
    QMutexLocker lock(&mutex_);
    stopRequested_ = true;
    wake_.wakeAll();
}

bool SearchPort::waitingForResume() const {
    QMutexLocker lock(&mutex_);
    return waiting_;
}

bool SearchPort::waitForResume() {
    QMutexLocker lock(&mutex_);
    waiting_ = true;
    resumed_ = false;
    while (!resumed_ && !stopping()) wake_.wait(&mutex_);
    waiting_ = false;
    return !stopping();
}

void SearchPort::pause(int milliseconds) {
    QMutexLocker lock(&mutex_);
    if (!stopping()) wake_.wait(&mutex_, milliseconds);
}

QStringList SearchPort::portList(const QString& storedPort) const {
    QStringList ports = deps_.listPorts();
    if (!storedPort.isEmpty() && !ports.contains(storedPort)) ports.prepend(storedPort);
    return ports;
}

void SearchPort::run() {
    if (holdAtStart_) {
        emit searchPassEnded();
        if (!waitForResume()) return;
    }
    SearchSetup setup = deps_.readSetup();
    uint8_t kind = startKind(setup.storedKind);
    uint8_t firstKind = kind;

    while (!stopping()) {
        if (settingsAccepted_.exchange(false)) {
            setup = deps_.readSetup();
            kind = firstKind = startKind(setup.storedKind);
        }
        const QStringList ports = portList(setup.storedPort);
        qsizetype index = std::max<qsizetype>(0, ports.indexOf(setup.storedPort));
        const bool infrared = isInfrared(kind);
        const qsizetype attempts = infrared ? 1 : ports.size();
        bool found = false;

        for (qsizetype attempt = 0; attempt < attempts; ++attempt) {
            const QString port = infrared ? QString() : ports.at(index);
            emit attemptStarted(kind, port, setup.baud);
            if (stopping()) return;
            // An empty port: the first infrared device in range.
            const uint8_t status = deps_.initport(host_, port.toStdString(), kind, setup.baud);
            if (stopping()) return;

            if (status == phonelib::stDone) {
                // Infrared needs no port: the cable's stays for later.
                if (!infrared) setup.storedPort = port;
                setup.storedKind = kind;
                deps_.storeResult(setup.storedPort, kind);
                automatic_ = false;
                emit phoneFound(port, kind);
                emit searchPassEnded();
                if (!waitForResume()) return;
                found = true;
                break;
            }
            std::string detail;
            const auto error = deps_.portOpenError(detail);
            emit attemptFailed(port, error, tools::fromCp1252(detail));
            emit searchPassEnded();
            if (!automatic_ || infrared) break;
            index = (index + 1) % ports.size();
        }
        if (found) continue;
        // A machine without serial ports is not searched in a tight loop.
        if (attempts == 0) pause(emptyPassPauseMs_);
        if (automatic_) {
            kind = (kind + 1) % kKindCount;
            if (kind == firstKind) emit searchPassEnded();
        }
    }
}

}  // namespace corvina
