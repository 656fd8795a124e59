#include "phonelib/api/library.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSemaphore>
#include <QThread>
#include <QTimer>
#include <optional>

#include "phonelib/api/keepalive.h"
#include "phonelib/api/loadtimeslots.h"
#include "phonelib/api/notification.h"
#include "phonelib/transport/commportdriver.h"
#include "phonelib/transport/infraredlink.h"

namespace phonelib {

struct Library::PendingJob {
    std::function<void()> run;
    QEventLoop* callerLoop = nullptr;  // quit when done, if the caller services its loop
    QSemaphore done;
};

Library& Library::instance() {
    static Library library;
    return library;
}

Library::Library()
    : fbusAssembler(
          state, receiveBuffer,
          [this](uint8_t type, uint8_t sequence) { frames.SendAck(type, sequence); },
          [this](uint8_t type) {
              linkWatch.heard();
              if (table.Dispatch) table.Dispatch(type);
          }),
      atAssembler(atLines, state.AtStatus, [this] {
          linkWatch.heard();
          if (table.Dispatch) table.Dispatch(0);
      }) {
    thread_ = new QThread;
    thread_->setObjectName("phonelib");
    context_ = new QObject;
    context_->moveToThread(thread_);
    thread_->start();
    // Blocking, not through runJob: the caller is still inside instance().
    QMetaObject::invokeMethod(
        context_, [this] { load(); }, Qt::BlockingQueuedConnection);
}

Library::~Library() {
    QMetaObject::invokeMethod(
        context_, [this] { unload(); }, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    delete thread_;
}

void Library::load() {
    serialPort_ = new TCommPortDriver;
    serialPort_->setParent(context_);
    serialPort_->setOnReceiveData(
        [this](const uint8_t* data, size_t size) { receive(data, size); });
    serialPort_->setOnLinkEnded([this] { endLink(); });
    setTransport(serialPort_);
    infrared_ = new InfraredLink(state);
    infrared_->setParent(context_);
    infrared_->setOnReceiveData([this](const uint8_t* data, size_t size) { receive(data, size); });
    infrared_->setTickPeriod(tickPeriod_);
    tickTimer_ = new QTimer(context_);
    tickTimer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(tickTimer_, &QTimer::timeout, context_, [this] { tick(); });
    restoreLoadState();
    startTick();
}

void Library::unload() {
    tickTimer_ = nullptr;
    serialPort_ = nullptr;
    infrared_ = nullptr;
    transport_ = nullptr;
    delete context_;  // closes the port and the socket, stops and frees the timers
    context_ = nullptr;
}

void Library::restoreLoadState() {
    state.Connected = false;
    state.LinkUp = false;
    state.LinkLost = false;
    state.MissCount = 0;
    state.WaitLimit = 3;
    state.Busy = true;
    fbusAssembler.reset();
    linkWatch.restart();
    table = DriverTable{};
    table.Dispatch = loadtime::Dispatch;
    table.KeepAlive = keepalive::nokia61xx;
    table.KeepAliveProbe = keepalive::pingNokia61xx;
    table.getcalinfo = loadtime::getcalinfo;
}

// --- Threading -------------------------------------------------------------

bool Library::onLibraryThread() const {
    return QThread::currentThread() == thread_;
}

bool Library::runJob(std::function<void()> job) {
    if (onLibraryThread()) {
        job();
        return true;
    }
    thread_local bool inFlight = false;
    if (inFlight) return false;
    inFlight = true;

    auto pending = std::make_shared<PendingJob>();
    pending->run = std::move(job);
    std::optional<QEventLoop> loop;
    if (QThread::currentThread()->loopLevel() > 0) {
        loop.emplace();
        pending->callerLoop = &*loop;
    }
    enqueue(pending);
    if (loop) loop->exec();
    // Also after the loop has returned early (the application is quitting):
    // the job refers to the caller's stack, so it must have finished.
    pending->done.acquire();
    inFlight = false;
    return true;
}

void Library::enqueue(std::shared_ptr<PendingJob> job) {
    {
        std::lock_guard lock(jobMutex_);
        jobs_.push_back(std::move(job));
    }
    QMetaObject::invokeMethod(
        context_, [this] { drainJobs(); }, Qt::QueuedConnection);
}

void Library::drainJobs() {
    // A job that waits for the phone processes events, which may deliver the
    // request to run the next job: that one waits until this one is done.
    if (runningJob_) return;
    runningJob_ = true;
    for (;;) {
        std::shared_ptr<PendingJob> job;
        {
            std::lock_guard lock(jobMutex_);
            if (jobs_.empty()) break;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job->run();
        if (job->callerLoop) {
            QMetaObject::invokeMethod(job->callerLoop, &QEventLoop::quit, Qt::QueuedConnection);
        }
        job->done.release();
    }
    runningJob_ = false;
}

// --- Waiting -----------------------------------------------------------------

void Library::processEventsOnce() {
    thread_->eventDispatcher()->processEvents(QEventLoop::WaitForMoreEvents);
}

uint8_t Library::waitForFlag(const std::atomic<uint8_t>& flag, int32_t limitTicks) {
    state.TickCount = 0;
    state.WaitLimit = limitTicks;
    const uint64_t heardBefore = linkWatch.heardCount();
    while (state.TickCount < state.WaitLimit && flag == 0 && !linkWatch.ended()) {
        processEventsOnce();
    }
    // An answer that arrived together with the last tick still counts.
    const bool answered = flag != 0;
    requestEnded(answered, heardBefore);
    return answered ? flag.load() : uint8_t{stNoAnswer};
}

void Library::requestEnded(bool answered, uint64_t heardBefore) {
    if (state.Connected && linkWatch.requestEnded(answered, heardBefore)) probeLink();
}

void Library::probeLink() {
    const uint64_t heardBefore = linkWatch.heardCount();
    if (table.KeepAliveProbe) table.KeepAliveProbe();
    state.TickCount = 0;
    state.WaitLimit = LinkWatch::kProbeTicks;
    const auto silent = [&] { return linkWatch.heardCount() == heardBefore; };
    while (state.TickCount < state.WaitLimit && silent() && !linkWatch.ended()) processEventsOnce();
    if (silent()) endLink();
}

void Library::endLink() {
    if (!state.Connected) return;
    state.Connected = false;
    linkWatch.end();
    serialPort_->Close();
    if (!state.LinkLost) keepalive::declareLinkLost();
}

void Library::processEventsUntil(const std::function<bool()>& done) {
    while (!done()) processEventsOnce();
}

void Library::sleepScaled(int milliseconds) {
    const int period = tickPeriod_ > 0 ? tickPeriod_.load() : 1000;
    const int scaled = static_cast<int>(static_cast<int64_t>(milliseconds) * period / 1000);
    QDeadlineTimer deadline(scaled, Qt::PreciseTimer);
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(scaled);
    while (!deadline.hasExpired()) processEventsOnce();
}

// --- Tick ------------------------------------------------------------------

void Library::setTickPeriod(int milliseconds) {
    runJob([this, milliseconds] {
        tickPeriod_ = milliseconds;
        infrared_->setTickPeriod(milliseconds);
        if (milliseconds <= 0) {
            tickTimer_->stop();
        } else if (tickTimer_->isActive()) {
            tickTimer_->start(milliseconds);
        }
    });
}

void Library::startTick() {
    if (tickPeriod_ > 0) tickTimer_->start(tickPeriod_);
}

void Library::stopTick() {
    tickTimer_->stop();
}

bool Library::tickRunning() const {
    return tickTimer_ && tickTimer_->isActive();
}

void Library::tick() {
    ++state.TickCount;
    // After the end of the link there is nothing to keep alive until the
    // next set-up.
    if (table.KeepAlive && !linkWatch.ended()) table.KeepAlive();
}

// --- Host notifications ----------------------------------------------------

void Library::setHost(QObject* host) {
    std::lock_guard lock(hostMutex_);
    host_ = host;
}

void Library::detachHost(QObject* host) {
    std::lock_guard lock(hostMutex_);
    if (host_ == host) host_ = nullptr;
}

void Library::post(int message, intptr_t wParam, intptr_t lParam) {
    std::lock_guard lock(hostMutex_);
    if (host_) QCoreApplication::postEvent(host_, new PhoneNotification(message, wParam, lParam));
}

// --- Links -----------------------------------------------------------------

void Library::setTransport(Transport* transport) {
    transport_ = transport;
    frames.setTransport(transport);
}

void Library::receiveWithFbus() {
    receiveAt_ = false;
}

void Library::receiveWithAt() {
    receiveAt_ = true;
}

void Library::receive(const uint8_t* data, size_t size) {
    if (receiveAt_) {
        atAssembler.OnReceiveData(data, size);
    } else {
        fbusAssembler.OnReceiveData(data, size);
    }
}

void Library::sendText(std::string_view text) {
    if (state.ConnectionKind == ckAtInfrared && (state.LinkLost || !state.SocketOpen)) return;
    if (transport_) transport_->write(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace phonelib
