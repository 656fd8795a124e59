#include "phonesim/simulator.h"

#include <QMetaObject>
#include <QThread>

#include "phonesim/link/qtscheduler.h"
#include "phonesim/siemens/atengine.h"
#include "phonesim/transport/ptytransport.h"
#include "phonesim/transport/sockettransport.h"
#include "phonesim/transport/stablelink.h"

namespace phonesim {

// Everything that lives on the simulator thread while a link is open.
struct Simulator::Runtime {
    explicit Runtime(QObject* context) : scheduler(context) {}

    QtScheduler scheduler;
    std::unique_ptr<Transport> transport;
    StableLink link;
    std::unique_ptr<PhoneEngine> engine;
};

namespace {

// Siemens models answer AT commands, the others FBUS in the given framing.
std::unique_ptr<PhoneEngine> phoneFor(const Fixture& fixture, Transport& transport,
                                      Scheduler& scheduler, Faults& faults, Journal& journal,
                                      EngineSettings settings) {
    if (isSiemensModel(fixture.identity.modelCode)) {
        return std::make_unique<siemens::AtEngine>(fixture, transport, scheduler, faults, journal);
    }
    return std::make_unique<Engine>(fixture, transport, scheduler, faults, journal, settings);
}

}  // namespace

Simulator::Simulator(Fixture fixture, LinkTiming timing)
    : timing_(timing), fixture_(std::move(fixture)), thread_(std::make_unique<QThread>()) {
    thread_->setObjectName(QStringLiteral("phonesim"));
    context_ = new QObject;
    context_->moveToThread(thread_.get());
    QObject::connect(thread_.get(), &QThread::finished, context_, &QObject::deleteLater);
    thread_->start();
}

Simulator::~Simulator() {
    stop();
    thread_->quit();
    thread_->wait();
}

void Simulator::onSimulatorThread(const std::function<void()>& work) const {
    if (QThread::currentThread() == thread_.get()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(context_, work, Qt::BlockingQueuedConnection);
}

bool Simulator::start(const std::function<bool(Runtime&)>& open) {
    stop();
    bool opened = false;
    onSimulatorThread([&] {
        auto runtime = std::make_unique<Runtime>(context_);
        if (!open(*runtime)) return;
        opened = true;
        runtime_ = std::move(runtime);
    });
    return opened;
}

QString Simulator::startPty(const QString& linkPath) {
    QString device;
    const bool opened = start([&](Runtime& r) {
        auto pty = std::make_unique<PtyTransport>();
        if (!pty->isOpen()) {
            error_ = pty->errorString();
            return false;
        }
        device = pty->slavePath();
        if (!linkPath.isEmpty() && !r.link.create(linkPath, device, &error_)) return false;
        r.transport = std::move(pty);
        r.engine = phoneFor(fixture_, *r.transport, r.scheduler, faults_, journal_,
                            EngineSettings{Framing::Cable, timing_, statusInterval_});
        r.engine->setTrace(trace_);
        return true;
    });
    return opened ? device : QString();
}

bool Simulator::startSocket(const QString& path) {
    return start([&](Runtime& r) {
        auto socket = std::make_unique<SocketTransport>();
        if (!socket->listen(path)) {
            error_ = socket->errorString();
            return false;
        }
        r.transport = std::move(socket);
        r.engine = phoneFor(fixture_, *r.transport, r.scheduler, faults_, journal_,
                            EngineSettings{Framing::Phonet, timing_, statusInterval_});
        r.engine->setTrace(trace_);
        return true;
    });
}

void Simulator::stop() {
    onSimulatorThread([&] {
        if (!runtime_) return;
        fixture_ = runtime_->engine->fixture();
        runtime_.reset();
    });
}

bool Simulator::isRunning() const {
    bool running = false;
    onSimulatorThread([&] { running = runtime_ != nullptr; });
    return running;
}

bool Simulator::isLinkOpen() const {
    bool open = false;
    onSimulatorThread([&] { open = runtime_ && runtime_->transport->isOpen(); });
    return open;
}

void Simulator::sendDisplayText(const QString& text) {
    onSimulatorThread([&] {
        if (runtime_) runtime_->engine->sendDisplayText(text);
    });
}

Fixture Simulator::fixture() const {
    Fixture copy;
    onSimulatorThread([&] { copy = runtime_ ? runtime_->engine->fixture() : fixture_; });
    return copy;
}

void Simulator::editFixture(const std::function<void(Fixture&)>& edit) {
    onSimulatorThread([&] { edit(runtime_ ? runtime_->engine->fixture() : fixture_); });
}

bool Simulator::saveFixture(const QString& path, QString* error) const {
    return fixture().save(path, error);
}

bool Simulator::waitForRequest(uint8_t type, Millis timeout, size_t count) const {
    return journal_.waitUntil(
        [&](const JournalRecord& r) {
            return static_cast<size_t>(
                       std::count_if(r.requests.begin(), r.requests.end(),
                                     [&](const Message& m) { return m.type == type; })) >= count;
        },
        timeout);
}

}  // namespace phonesim
