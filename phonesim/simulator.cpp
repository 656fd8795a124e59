#include "phonesim/simulator.h"

#include <QMetaObject>
#include <QThread>

#include "phonesim/link/qtscheduler.h"
#include "phonesim/siemens/atengine.h"
#include "phonesim/transport/infrareddevice.h"
#include "phonesim/transport/ptytransport.h"
#include "phonesim/transport/sockettransport.h"
#include "phonesim/transport/stablelink.h"

namespace phonesim {

// Everything that lives on the simulator thread while a link is open.
struct Simulator::Runtime {
    struct Link {
        std::unique_ptr<Transport> transport;
        std::unique_ptr<PhoneEngine> engine;
    };

    explicit Runtime(QObject* context) : scheduler(context) {}

    QtScheduler scheduler;
    StableLink stableLink;
    InfraredDevice infrared;
    QString infraredService;
    std::vector<Link> links;  // closed before the infrared device folder goes
    // The engine of the latest session; it holds what the phone holds now.
    PhoneEngine* current = nullptr;
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

void Simulator::addLink(Runtime& r, std::unique_ptr<Transport> transport, Framing framing) {
    auto engine = phoneFor(r.current ? r.current->fixture() : fixture_, *transport, r.scheduler,
                           faults_, journal_, EngineSettings{framing, timing_, statusInterval_});
    engine->setTrace(trace_);
    PhoneEngine* added = engine.get();
    // The phone's content goes with the PC that starts to talk.
    transport->setSessionStartHandler([&r, added] {
        if (r.current == added) return;
        added->fixture() = r.current->fixture();
        r.current = added;
    });
    if (!r.current) r.current = added;
    r.links.push_back({std::move(transport), std::move(engine)});
    // Every engine installs its own hang-up; the phone hangs up on all links.
    faults_.setHangUpHandler([this] {
        QMetaObject::invokeMethod(
            context_,
            [this] {
                if (!runtime_) return;
                for (auto& link : runtime_->links) link.engine->hangUp();
            },
            Qt::QueuedConnection);
    });
}

QString Simulator::startPty(const QString& linkPath) {
    stop();
    QString device;
    onSimulatorThread([&] {
        auto pty = std::make_unique<PtyTransport>();
        if (!pty->isOpen()) {
            error_ = pty->errorString();
            return;
        }
        auto runtime = std::make_unique<Runtime>(context_);
        if (!linkPath.isEmpty() && !runtime->stableLink.create(linkPath, pty->slavePath(), &error_))
            return;
        device = pty->slavePath();
        addLink(*runtime, std::move(pty), Framing::Cable);
        runtime_ = std::move(runtime);
    });
    return device;
}

bool Simulator::addInfrared(const QString& deviceId) {
    bool added = false;
    onSimulatorThread([&] {
        std::unique_ptr<Runtime> fresh;
        if (!runtime_) fresh = std::make_unique<Runtime>(context_);
        Runtime& r = fresh ? *fresh : *runtime_;
        if (!r.infraredService.isEmpty()) {
            error_ = QStringLiteral("Das Telefon ist schon ein Infrarotgerät");
            return;
        }
        if (!r.infrared.create(deviceId, &error_)) return;
        // A Siemens phone takes AT commands over IrCOMM, a Nokia phone FBUS
        // messages over PhoNet.
        const Fixture& content = r.current ? r.current->fixture() : fixture_;
        const bool siemens = isSiemensModel(content.identity.modelCode);
        auto socket = std::make_unique<SocketTransport>();
        const QString path = r.infrared.servicePath(siemens ? kIrCommService : kPhoNetService);
        if (!socket->listen(path)) {
            error_ = socket->errorString();
            return;
        }
        r.infraredService = path;
        addLink(r, std::move(socket), Framing::Phonet);
        if (fresh) runtime_ = std::move(fresh);
        added = true;
    });
    return added;
}

QString Simulator::infraredServicePath() const {
    QString path;
    onSimulatorThread([&] {
        if (runtime_) path = runtime_->infraredService;
    });
    return path;
}

void Simulator::stop() {
    onSimulatorThread([&] {
        if (!runtime_) return;
        fixture_ = runtime_->current->fixture();
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
    onSimulatorThread([&] {
        if (!runtime_) return;
        for (const auto& link : runtime_->links) open = open || link.transport->isOpen();
    });
    return open;
}

void Simulator::sendDisplayText(const QString& text) {
    onSimulatorThread([&] {
        if (runtime_) runtime_->current->sendDisplayText(text);
    });
}

void Simulator::deliverMessage(const StoredMessage& message) {
    onSimulatorThread([&] {
        if (runtime_) runtime_->current->deliverMessage(message);
    });
}

Fixture Simulator::fixture() const {
    Fixture copy;
    onSimulatorThread([&] { copy = runtime_ ? runtime_->current->fixture() : fixture_; });
    return copy;
}

void Simulator::editFixture(const std::function<void(Fixture&)>& edit) {
    onSimulatorThread([&] { edit(runtime_ ? runtime_->current->fixture() : fixture_); });
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
